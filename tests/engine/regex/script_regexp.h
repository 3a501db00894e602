// Drives Wine's own regular-expression object ("VBScript.RegExp") through COM late
// binding, as a reference for the differential test. Test code only: the program
// itself never creates a COM object.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace marlivo::testing {

struct ScriptMatch {
  std::wstring value;
  long first_index = 0;
  long length = 0;
  std::vector<std::optional<std::wstring>> submatches;  // nothing for an Empty item
};

// One apartment for the calling thread, for the object's life.
class ComApartment {
 public:
  ComApartment() : result_(CoInitialize(nullptr)) {}
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  HRESULT result() const { return result_; }

 private:
  HRESULT result_;
};

class ScriptRegExp {
 public:
  // Creates the object from its ProgID; `failure` receives the status when that fails.
  static std::optional<ScriptRegExp> Create(HRESULT* failure);

  ScriptRegExp(ScriptRegExp&& other) noexcept : object_(other.object_) { other.object_ = nullptr; }
  ScriptRegExp& operator=(ScriptRegExp&& other) noexcept {
    if (this != &other) {
      if (object_ != nullptr) object_->Release();
      object_ = other.object_;
      other.object_ = nullptr;
    }
    return *this;
  }
  ScriptRegExp(const ScriptRegExp&) = delete;
  ScriptRegExp& operator=(const ScriptRegExp&) = delete;
  ~ScriptRegExp();

  bool Configure(const std::wstring& pattern, bool ignore_case, bool multiline, bool global);

  // Nothing when Execute raised an error (a pattern the object rejects).
  std::optional<std::vector<ScriptMatch>> Execute(const std::wstring& subject);
  std::optional<std::wstring> Replace(const std::wstring& subject, const std::wstring& replacement);

 private:
  explicit ScriptRegExp(IDispatch* object) : object_(object) {}
  IDispatch* object_;
};

}  // namespace marlivo::testing
