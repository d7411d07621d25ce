#pragma once

#include <QObject>
#include <functional>
#include <memory>

namespace lorvane::test {

using GuiTestFactory = std::function<std::unique_ptr<QObject>()>;

// Makes a widget test class known to the test program under a name; returns true, so that a
// static constant can hold the registration.
bool RegisterGuiTest(const char* name, GuiTestFactory factory);

}  // namespace lorvane::test

// Registers a Qt Test class of a widget test source file under the file's name: ctest starts
// the test program once per name, so every class runs in a process of its own.
#define LORVANE_GUI_TEST(TestClass, name)                                         \
    [[maybe_unused]] static const bool lorvane_gui_test_##name =                  \
        ::lorvane::test::RegisterGuiTest(#name, [] { return std::make_unique<TestClass>(); })
