// qoForm: the tray icon. The form keeps one NOTIFYICONDATAW block under
// "NotifyiconData" (made with the icon, freed by the form level when the window goes)
// and a copy of the icon under "NotifyIcon".
#include <algorithm>
#include <cwchar>
#include <string>

#include "engine/text/code_page.h"
#include "ui/forms/form.h"
#include "ui/framework/bag_keys.h"
#include "ui/framework/process_heap.h"

namespace marlivo::ui {
namespace {

// The layout this block has always had: up to the balloon fields (the second version
// of the structure), without the item GUID and balloon icon that later versions add.
constexpr DWORD kNotifyIconDataSize = NOTIFYICONDATAW_V2_SIZE;
constexpr UINT kIconFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

NOTIFYICONDATAW* BlockOf(const ObjectCore* core) {
  return GetPropertyAs<NOTIFYICONDATAW*>(core, keys::kNotifyIconData);
}

// Copies the text into a fixed field, cut to the field and always terminated.
template <std::size_t N>
void CopyField(wchar_t (&field)[N], const wchar_t* text) {
  const std::size_t length = text != nullptr ? std::min(std::wcslen(text), N - 1) : 0;
  std::fill(std::begin(field), std::end(field), L'\0');
  if (length > 0) std::wmemcpy(field, text, length);
}

void ReplaceIcon(ObjectCore* core, NOTIFYICONDATAW* block, const gdi::qoIcon& icon) {
  if (const HICON previous = GetPropertyAs<HICON>(core, keys::kNotifyIcon)) {
    ::DestroyIcon(previous);
  }
  const HICON copy = icon.CopyHandle();
  SetPropertyOf(core, keys::kNotifyIcon, copy);
  block->hIcon = copy;
}

int Notify(DWORD action, NOTIFYICONDATAW* block) {
  return ::Shell_NotifyIconW(action, block) ? 1 : 0;
}

}  // namespace

int qoForm::AddNotifyIconW(const gdi::qoIcon& icon, std::optional<const wchar_t*> tip) {
  ObjectCore* core = GetCore();
  if (core == nullptr) return 0;
  if (icon.GetHandle() == nullptr) return RemoveNotifyIcon();
  if (GetProperty(keys::kTaskbarCreatedMessage) == 0) {
    SetProperty(keys::kTaskbarCreatedMessage,
                static_cast<std::intptr_t>(::RegisterWindowMessageW(L"TaskbarCreated")));
  }
  if (NOTIFYICONDATAW* old = BlockOf(core)) {
    // An icon added before is taken out first: the shell refuses a second one of the
    // same window and id.
    Notify(NIM_DELETE, old);
    HeapRelease(old);
  }
  auto* block = static_cast<NOTIFYICONDATAW*>(HeapAllocate(sizeof(NOTIFYICONDATAW)));
  SetPropertyOf(core, keys::kNotifyIconData, block);
  ReplaceIcon(core, block, icon);
  block->cbSize = kNotifyIconDataSize;
  block->hWnd = GetHwnd();
  block->uID = kNotifyIconId;
  block->uFlags = kIconFlags;
  block->uCallbackMessage = kNotifyIconCallbackMessage;
  CopyField(block->szTip, tip.value_or(L""));
  return Notify(NIM_ADD, block);
}

int qoForm::AddNotifyIcon(const gdi::qoIcon& icon, const char* tip) {
  const std::wstring wide = text::GbkToWide(tip != nullptr ? tip : "");
  return AddNotifyIconW(icon, wide.c_str());
}

int qoForm::SetNotifyTipW(const wchar_t* tip) {
  NOTIFYICONDATAW* block = BlockOf(GetCore());
  if (block == nullptr) return 0;
  block->uFlags = kIconFlags;
  CopyField(block->szTip, tip);
  return Notify(NIM_MODIFY, block);
}

int qoForm::SetNotifyTip(const char* tip) {
  return SetNotifyTipW(text::GbkToWide(tip != nullptr ? tip : "").c_str());
}

int qoForm::SetNotifyIcon(const gdi::qoIcon& icon) {
  NOTIFYICONDATAW* block = BlockOf(GetCore());
  if (block == nullptr) return 0;
  ReplaceIcon(GetCore(), block, icon);
  block->uFlags = kIconFlags;
  return Notify(NIM_MODIFY, block);
}

int qoForm::ShowBalloonW(const wchar_t* text, const wchar_t* title,
                         std::optional<DWORD> iconKind, std::optional<UINT> timeoutMs) {
  NOTIFYICONDATAW* block = BlockOf(GetCore());
  if (block == nullptr) return 0;
  block->uFlags = kIconFlags | NIF_STATE | NIF_INFO;
  CopyField(block->szInfo, text);
  CopyField(block->szInfoTitle, title);
  block->uTimeout = timeoutMs.value_or(kBalloonDefaultTimeoutMs);
  block->dwInfoFlags = iconKind.value_or(kBalloonDefaultIcon);
  return Notify(NIM_MODIFY, block);
}

int qoForm::ShowBalloon(const char* text, const char* title, std::optional<DWORD> iconKind,
                        std::optional<UINT> timeoutMs) {
  const std::wstring wideText = text::GbkToWide(text != nullptr ? text : "");
  const std::wstring wideTitle = text::GbkToWide(title != nullptr ? title : "");
  return ShowBalloonW(wideText.c_str(), wideTitle.c_str(), iconKind, timeoutMs);
}

int qoForm::RemoveNotifyIcon() {
  NOTIFYICONDATAW* block = BlockOf(GetCore());
  if (block == nullptr) return 0;
  return Notify(NIM_DELETE, block);
}

}  // namespace marlivo::ui
