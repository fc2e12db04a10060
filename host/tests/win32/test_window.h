#pragma once
// A plain top-level window for the tests, hidden unless shown, destroyed with the object.

#include <windows.h>

namespace altostrat::testing {

class TestWindow {
  public:
    TestWindow(const wchar_t* title, bool visible, RECT rect = {100, 120, 400, 320});
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND handle() const { return handle_; }

  private:
    HWND handle_;
};

}  // namespace altostrat::testing
