// SPDX-License-Identifier: Apache-2.0
// The GUI tests need a QApplication before any widget exists, and treat every Qt warning as a fault.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void failOnQtWarning(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg) return;
    // The offscreen test platform announces what it leaves out (size hints, raising, keyboard grabs
    // for drop-downs): limits of the test screen, not faults of a window.
    if (message.startsWith(QLatin1String("This plugin does not support "))) return;
    const std::string text = message.toStdString();
    if (::testing::UnitTest::GetInstance()->current_test_info() != nullptr)
        ADD_FAILURE() << "Qt warning: " << text;
    else
        std::fprintf(stderr, "Qt warning outside a test: %s\n", text.c_str());
    if (type == QtFatalMsg) std::abort();
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
#ifdef QVT_OFFSCREEN_SCREEN
    // Pictures for people are taken on a desktop-sized screen, where every window has its natural size.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + QVT_OFFSCREEN_SCREEN);
#endif
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#ifndef _WIN32
    // Without a runtime folder Qt warns once at start; give it a private one.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString dir = QDir::temp().filePath(QStringLiteral("qvt-tests-runtime-%1").arg(getuid()));
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", dir.toLocal8Bit());
    }
#endif
    qInstallMessageHandler(failOnQtWarning);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
