// Widget tests run on Qt's offscreen platform unless a display is chosen.
#include <QApplication>
#include <gtest/gtest.h>

namespace {
// The offscreen platform names every window feature it lacks; those lines say nothing about the tests.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
    qt_message_output(type, context, message);
}
} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietHandler);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
