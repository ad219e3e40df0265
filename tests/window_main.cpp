#include "window/application.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ajuste::setUpApplication();
    ::testing::InitGoogleTest(&argc, argv);

    // A modal that nobody expected would block the test for good: fail it
    // and close it instead. Tests that open one on purpose close it sooner.
    QTimer watchdog;
    int seenFor = 0;
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        seenFor = modal ? seenFor + 1 : 0;
        if (seenFor > 10) {
            ADD_FAILURE() << "unexpected modal window: " << modal->windowTitle().toStdString();
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
            seenFor = 0;
        }
    });
    watchdog.start(100);
    return RUN_ALL_TESTS();
}
