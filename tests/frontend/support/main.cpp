// The front end's tests share one QApplication. The offscreen platform is chosen here
// because test discovery runs this binary at build time, outside ctest's environment.
#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, "C");
    return RUN_ALL_TESTS();
}
