// The widget test program: `gui_tests NAME [Qt Test options]` runs the test class registered
// under NAME, as QTEST_MAIN would run it alone.

#include "tests/gui/gui_tests.h"

#include <QApplication>
#include <QtTest/QTest>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace lorvane::test {
namespace {

std::map<std::string, GuiTestFactory>& Registry() {
    static std::map<std::string, GuiTestFactory> registry;
    return registry;
}

}  // namespace

bool RegisterGuiTest(const char* name, GuiTestFactory factory) {
    Registry().emplace(name, std::move(factory));
    return true;
}

}  // namespace lorvane::test

int main(int argc, char** argv) {
    using lorvane::test::Registry;
    QApplication application(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    const auto test = argc > 1 ? Registry().find(argv[1]) : Registry().end();
    if (test == Registry().end()) {
        std::fputs("usage: gui_tests NAME [Qt Test options]; NAME is one of:", stderr);
        for (const auto& [name, factory] : Registry()) {
            std::fprintf(stderr, " %s", name.c_str());
        }
        std::fputs("\n", stderr);
        return 2;
    }
    // Qt Test sees the program's name and the options after NAME.
    std::vector<char*> arguments{argv[0]};
    arguments.insert(arguments.end(), argv + 2, argv + argc);
    const std::unique_ptr<QObject> testObject = test->second();
    return QTest::qExec(testObject.get(), static_cast<int>(arguments.size()), arguments.data());
}
