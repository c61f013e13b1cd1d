// One application object for every test of an executable, with its own settings folder.
#if defined(TAVRO_CORE_TESTS)
#include <QCoreApplication>
using Application = QCoreApplication;
#elif defined(TAVRO_GUI_TESTS)
// Fonts and painting without a widget.
#include <QGuiApplication>
using Application = QGuiApplication;
#else
#include <QApplication>
using Application = QApplication;
#endif
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // No test may read or write the operator's own settings.
    QTemporaryDir home;
    qputenv("TAVRO_HOME", home.path().toLocal8Bit());
    Application app(argc, argv);
    return RUN_ALL_TESTS();
}
