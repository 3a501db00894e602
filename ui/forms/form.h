// qoForm: the behaviour of a top-level window of the framework. Start position, Esc and
// the default-button keys, free move, a caption kept active, the wait cursor, icons,
// background colour and image, window shape, menus, the tray icon, first activation and
// the form events. It makes no window itself (qoWindow does); the application object's
// window member is a qoForm that never has one.
//
// The form level's message hook (the events, the OK and Cancel commands, the close
// action, tray callbacks) belongs to the framework; these are the operations that set
// up what it reads.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "ui/forms/accel_table.h"
#include "ui/forms/image.h"
#include "ui/framework/gdi/gdiplus_wrappers.h"
#include "ui/framework/gdi/icon.h"
#include "ui/framework/window_base.h"
#include "ui/framework/win32.h"

#include <shellapi.h>

namespace marlivo::ui {

// The message the tray icon calls its form back with.
inline constexpr UINT kNotifyIconCallbackMessage = 0x3019;
// The tray icon's id within its form, and the balloon's defaults.
inline constexpr UINT kNotifyIconId = 1;
inline constexpr DWORD kBalloonDefaultIcon = NIIF_INFO;
inline constexpr UINT kBalloonDefaultTimeoutMs = 10000;

class qoForm : public qoWindowBase {
 public:
  // The base, window and form levels.
  qoForm();
  qoForm(const qoForm& other) = default;
  qoForm& operator=(const qoForm& other) = default;
  std::unique_ptr<qoWindowBase> Copy() const override;

  // Get-or-set flags: the previous value; a given value is stored.
  virtual int NCEverActive(std::optional<int> value = std::nullopt);
  virtual int FreeMove(std::optional<int> value = std::nullopt);
  // Without a value: the stored result. With one: what storing returned.
  virtual std::intptr_t DialogResult(std::optional<std::intptr_t> value = std::nullopt);

  // Shows a copy of the icon as the window's big or small icon; the form owns the copy.
  // WM_SETICON's answer.
  virtual LRESULT SetIcon(const gdi::qoIcon& icon, int big);
  // A copy of the window's big or small icon; the system application icon when the
  // window has none.
  virtual gdi::qoIcon GetIcon(int big) const;
  // The window's shape from a GDI+ region; 1 when it was set.
  virtual int SetRegion(Gdiplus::GpRegion* region);
  // The window's shape from the bitmap's pixels that differ from the transparent colour
  // (ARGB; without one, each row's first pixel); the bitmap then becomes the background
  // at its natural size. 1 when the shape was set, 0 when no region could be made.
  virtual int SetShapeFromImage(const gdi::qoBitmap& bitmap,
                                std::optional<std::uint32_t> transparent = std::nullopt);
  // With an image: holds and paints it as the background. Returns, either way, an image
  // object sharing the background image.
  virtual forms::qoImage BackImage(std::optional<forms::qoImage> image = std::nullopt);
  // With bytes: decodes and holds them as the background image; returns nothing.
  // Without: the background image encoded in its own format.
  virtual std::vector<unsigned char> BackImageData(
      std::optional<std::span<const unsigned char>> bytes = std::nullopt);
  // The background image's display mode before the call (0 tile, 1 natural size, 2
  // stretched, 3 fitted); a given one is stored and repaints.
  virtual int ShowImageType(std::optional<int> mode = std::nullopt);
  // The background colour before the call, as COLORREF; a given colour is kept as
  // opaque ARGB and repaints.
  virtual COLORREF BackColor(std::optional<COLORREF> colour = std::nullopt);
  // Rounds the window's corners with circles of the diameter; 1 when set.
  virtual int SetRoundCorners(int diameter);
  // The accelerator table that the message loops translate keys with.
  virtual void SetAccelTable(const forms::qoAccelTable& table);
  // Without a state: 1 minimised, 2 maximised, else 0. With 0, 1, 2: shown normal,
  // minimised, maximised (ShowWindow's result); 3: centred over a visible owner or on
  // the screen (MoveWindow's result); anything else hides the window.
  virtual int WindowState(std::optional<int> state = std::nullopt);
  virtual HMENU GetMenu() const;
  // The window's menu, none when omitted; 1 when set.
  virtual int SetMenu(std::optional<HMENU> menu = std::nullopt);
  virtual int DrawMenuBar();

  // The tray icon: a copy of the icon, the tip, callbacks as kNotifyIconCallbackMessage.
  // 1 when the shell took it. An object without an icon removes the tray icon instead.
  virtual int AddNotifyIconW(const gdi::qoIcon& icon,
                             std::optional<const wchar_t*> tip = std::nullopt);
  virtual int AddNotifyIcon(const gdi::qoIcon& icon, const char* tip);
  // The rest answer 0 when the form has no tray icon.
  virtual int SetNotifyTipW(const wchar_t* tip);
  virtual int SetNotifyTip(const char* tip);
  virtual int SetNotifyIcon(const gdi::qoIcon& icon);
  virtual int ShowBalloonW(const wchar_t* text, const wchar_t* title,
                           std::optional<DWORD> iconKind = std::nullopt,
                           std::optional<UINT> timeoutMs = std::nullopt);
  virtual int ShowBalloon(const char* text, const char* title,
                          std::optional<DWORD> iconKind = std::nullopt,
                          std::optional<UINT> timeoutMs = std::nullopt);
  // Takes the icon out of the tray; the form keeps its data, so a shell restart puts it
  // back.
  virtual int RemoveNotifyIcon();

  // Whether Esc closes the form (after clicking its cancel button).
  virtual int EscClose(std::optional<int> value = std::nullopt);
  // The window object takes over the form's item with that id (its Attach); 1, or 0
  // when there is no such item.
  virtual int AttachDlgItem(int id, qoWindowBase& object);
  virtual HWND GetDlgItem(int id) const;
  // The system's wait cursor over the form until EndWaitCursor.
  virtual void BeginWaitCursor();
  virtual void EndWaitCursor();
  // The previous start position; a given one is stored for the next creation.
  virtual int StartPosition(std::optional<int> value = std::nullopt);

  // The form events; each returns what storing returned.
  virtual int SetOnCreate(WindowHandler handler);
  virtual int SetOnClose(WindowHandler handler);
  virtual int SetOnMenuItemClick(CodeHandler handler);
  virtual int SetOnDestory(WindowHandler handler);
  virtual int SetOnMove(PairHandler handler);
  virtual int SetOnSize(PairHandler handler);
  virtual int SetOnActivate(WindowHandler handler);
  virtual int SetOnUnActivate(WindowHandler handler);
  virtual int SetOnFirstActivate(WindowHandler handler);
  virtual int SetOnShow(WindowHandler handler);
  virtual int SetOnHide(WindowHandler handler);
  virtual int SetOnNotifIcon(CodeHandler handler);
  virtual int SetOnInitMenuPopup(MenuHandler handler);
  virtual int SetOnMenuSelect(MenuHandler handler);
  virtual int SetOnUserClose(WindowHandler handler);
};

}  // namespace marlivo::ui
