// IDispatch calls by name on Wine's regular-expression object and its collections.
#include "tests/engine/regex/script_regexp.h"

#include <oleauto.h>

#include <utility>

namespace marlivo::testing {
namespace {

// Owns one VARIANT.
class Variant {
 public:
  Variant() { VariantInit(&value_); }
  ~Variant() { VariantClear(&value_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  VARIANT* get() { return &value_; }
  const VARIANT& operator*() const { return value_; }

 private:
  VARIANT value_;
};

// Owns one reference to an IDispatch.
class DispatchRef {
 public:
  DispatchRef() = default;
  explicit DispatchRef(IDispatch* object) : object_(object) {}
  ~DispatchRef() {
    if (object_ != nullptr) object_->Release();
  }
  DispatchRef(const DispatchRef&) = delete;
  DispatchRef& operator=(const DispatchRef&) = delete;
  IDispatch* get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  IDispatch* object_ = nullptr;
};

// Calls member `name` of `object`; `args` in their natural order.
HRESULT Call(IDispatch* object, const wchar_t* name, WORD flags, std::vector<VARIANT> args,
             VARIANT* result) {
  DISPID id = 0;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) return hr;
  std::vector<VARIANT> reversed(args.rbegin(), args.rend());  // IDispatch wants them last first
  DISPPARAMS params{};
  params.rgvarg = reversed.empty() ? nullptr : reversed.data();
  params.cArgs = static_cast<UINT>(reversed.size());
  DISPID put_id = DISPID_PROPERTYPUT;
  if (flags == DISPATCH_PROPERTYPUT) {
    params.rgdispidNamedArgs = &put_id;
    params.cNamedArgs = 1;
  }
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, nullptr,
                        nullptr);
}

VARIANT BoolArg(bool value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BOOL;
  v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}

VARIANT LongArg(long value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = value;
  return v;
}

// A BSTR argument; the caller frees it with SysFreeString after the call.
VARIANT TextArg(const std::wstring& text) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return v;
}

HRESULT Put(IDispatch* object, const wchar_t* name, VARIANT value) {
  return Call(object, name, DISPATCH_PROPERTYPUT, {value}, nullptr);
}

std::optional<long> GetLong(IDispatch* object, const wchar_t* name) {
  Variant result;
  if (FAILED(Call(object, name, DISPATCH_PROPERTYGET, {}, result.get()))) return std::nullopt;
  if (FAILED(VariantChangeType(result.get(), result.get(), 0, VT_I4))) return std::nullopt;
  return (*result).lVal;
}

std::wstring TextOf(const VARIANT& value) {
  if (value.vt != VT_BSTR || value.bstrVal == nullptr) return {};
  return std::wstring(value.bstrVal, SysStringLen(value.bstrVal));
}

DispatchRef GetObject(IDispatch* object, const wchar_t* name, std::vector<VARIANT> args,
                      WORD flags) {
  Variant result;
  if (FAILED(Call(object, name, flags, std::move(args), result.get()))) return {};
  if ((*result).vt != VT_DISPATCH || (*result).pdispVal == nullptr) return {};
  IDispatch* out = (*result).pdispVal;
  out->AddRef();
  return DispatchRef(out);
}

std::optional<ScriptMatch> ReadMatch(IDispatch* match) {
  ScriptMatch out;
  Variant value;
  if (FAILED(Call(match, L"Value", DISPATCH_PROPERTYGET, {}, value.get()))) return std::nullopt;
  out.value = TextOf(*value);
  const auto first_index = GetLong(match, L"FirstIndex");
  const auto length = GetLong(match, L"Length");
  if (!first_index || !length) return std::nullopt;
  out.first_index = *first_index;
  out.length = *length;
  DispatchRef submatches = GetObject(match, L"SubMatches", {}, DISPATCH_PROPERTYGET);
  if (!submatches) return std::nullopt;
  const auto count = GetLong(submatches.get(), L"Count");
  if (!count) return std::nullopt;
  for (long i = 0; i < *count; ++i) {
    Variant item;
    if (FAILED(Call(submatches.get(), L"Item", DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                    {LongArg(i)}, item.get()))) {
      return std::nullopt;
    }
    if ((*item).vt == VT_EMPTY) {
      out.submatches.emplace_back();
    } else {
      out.submatches.emplace_back(TextOf(*item));
    }
  }
  return out;
}

}  // namespace

std::optional<ScriptRegExp> ScriptRegExp::Create(HRESULT* failure) {
  CLSID clsid{};
  HRESULT hr = CLSIDFromProgID(L"VBScript.RegExp", &clsid);
  IDispatch* object = nullptr;
  if (SUCCEEDED(hr)) {
    hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                          reinterpret_cast<void**>(&object));
  }
  if (FAILED(hr) || object == nullptr) {
    if (failure != nullptr) *failure = FAILED(hr) ? hr : E_POINTER;
    return std::nullopt;
  }
  return ScriptRegExp(object);
}

ScriptRegExp::~ScriptRegExp() {
  if (object_ != nullptr) object_->Release();
}

bool ScriptRegExp::Configure(const std::wstring& pattern, bool ignore_case, bool multiline,
                             bool global) {
  VARIANT text = TextArg(pattern);
  const HRESULT pattern_hr = Put(object_, L"Pattern", text);
  SysFreeString(text.bstrVal);
  return SUCCEEDED(pattern_hr) && SUCCEEDED(Put(object_, L"IgnoreCase", BoolArg(ignore_case))) &&
         SUCCEEDED(Put(object_, L"Multiline", BoolArg(multiline))) &&
         SUCCEEDED(Put(object_, L"Global", BoolArg(global)));
}

std::optional<std::vector<ScriptMatch>> ScriptRegExp::Execute(const std::wstring& subject) {
  VARIANT text = TextArg(subject);
  DispatchRef matches = GetObject(object_, L"Execute", {text}, DISPATCH_METHOD);
  SysFreeString(text.bstrVal);
  if (!matches) return std::nullopt;
  const auto count = GetLong(matches.get(), L"Count");
  if (!count) return std::nullopt;
  std::vector<ScriptMatch> out;
  for (long i = 0; i < *count; ++i) {
    DispatchRef match =
        GetObject(matches.get(), L"Item", {LongArg(i)}, DISPATCH_METHOD | DISPATCH_PROPERTYGET);
    if (!match) return std::nullopt;
    auto read = ReadMatch(match.get());
    if (!read) return std::nullopt;
    out.push_back(std::move(*read));
  }
  return out;
}

std::optional<std::wstring> ScriptRegExp::Replace(const std::wstring& subject,
                                                  const std::wstring& replacement) {
  VARIANT text = TextArg(subject);
  VARIANT with = TextArg(replacement);
  Variant result;
  const HRESULT hr = Call(object_, L"Replace", DISPATCH_METHOD, {text, with}, result.get());
  SysFreeString(text.bstrVal);
  SysFreeString(with.bstrVal);
  if (FAILED(hr)) return std::nullopt;
  return TextOf(*result);
}

}  // namespace marlivo::testing
