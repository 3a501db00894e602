// The control classes' levels: what each one installs in a core's hook table, and the
// hooks themselves, chained class -> ... -> colour -> control -> window -> base.
//
// A level's MessageHook does its own work and then, unless it claimed the message, calls
// the level below it by name. A ReflectHook receives what the parent passes on to this
// child (the parent's window, message, wParam, lParam); the control level's answers 0
// and claims nothing. Cleanups chain the same way down to the window cleanup.
#pragma once

#include "ui/framework/object_core.h"
#include "ui/framework/win32.h"

namespace marlivo::ui {

// Control level: adds nothing of its own.
void InstallControlLevel(ObjectCore* core);
LRESULT ControlMessageHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam, int* handled);
LRESULT ControlReflectHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam, int* handled);
void ControlCleanup(ObjectCore* core);

// Colour level: "OnClick" on BN_CLICKED, and the text colour and background brush as
// the answer to the parent's WM_CTLCOLOR... messages; the brush goes with the window.
void InstallColorLevel(ObjectCore* core);
LRESULT ColorMessageHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                         LPARAM lParam, int* handled);
LRESULT ColorReflectHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                         LPARAM lParam, int* handled);
void ColorCleanup(ObjectCore* core);
// Deletes the background brush and stores 0 under "BackBrush".
void DeleteBackBrush(ObjectCore* core);

// Push-button level (also under check boxes and radio buttons): Enter clicks the button;
// the button's icon goes with the window.
void InstallButtonLevel(ObjectCore* core);
LRESULT ButtonMessageHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam, int* handled);
void ButtonCleanup(ObjectCore* core);

// Radio-button level: the group logic on BN_CLICKED, then the colour level.
void InstallRadioLevel(ObjectCore* core);
LRESULT RadioReflectHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                         LPARAM lParam, int* handled);

// Edit level: Tab and Enter for single-line use, the vertically centred formatting
// rectangle, "OnTextChange".
void InstallEditLevel(ObjectCore* core);
LRESULT EditMessageHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam, int* handled);
LRESULT EditReflectHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam, int* handled);

// Label level: a resized label repaints without erasing.
void InstallLabelLevel(ObjectCore* core);
LRESULT LabelMessageHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                         LPARAM lParam, int* handled);

// Picture level: the background painter on WM_ERASEBKGND, the frame selection that the
// animation thread asks for; the image and the animation go with the window.
void InstallPictureLevel(ObjectCore* core);
LRESULT PictureMessageHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam, int* handled);
void PictureCleanup(ObjectCore* core);

}  // namespace marlivo::ui
