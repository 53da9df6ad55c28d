// Preloaded (LD_PRELOAD) into the installed program by working_folders.sh, this works its window
// as a user would, so the program needs no test hook: it loads TINTABEL_DRIVE_LOAD through the
// "Load XML file" dialog, types a red value and closes the window once TINTABEL_DRIVE_CLOSE exists.
// A control it cannot find crashes the program, which the script sees in the exit status.

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Runs step once ready() holds, looking every 50 ms.
void when(bool (*ready)(), std::function<void()> step)
{
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [=] {
        if (ready()) {
            timer->stop(); // step may run a modal loop of its own
            step();
        }
    });
    timer->start(50);
}

void answerTheOpenDialog()
{
    auto* name = QApplication::activeModalWidget()->findChild<QLineEdit*>("fileNameEdit");
    name->setText(qEnvironmentVariable("TINTABEL_DRIVE_LOAD"));
    QTest::keyClick(name, Qt::Key_Return);
}

void loadAndType()
{
    QWidget* form = QApplication::activeWindow();
    when([] { return QApplication::activeModalWidget() != nullptr; }, answerTheOpenDialog);
    // Returns once the dialog was answered.
    QTest::mouseClick(form->findChild<QPushButton*>("lsbt"), Qt::LeftButton);
    auto* red = form->findChild<QLineEdit*>("re");
    QTest::keyClick(red, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(red, "123");
    when([] { return QFile::exists(qEnvironmentVariable("TINTABEL_DRIVE_CLOSE")); },
        [form] { form->close(); });
}

void drive()
{
    when([] { return QApplication::activeWindow() != nullptr; }, loadAndType);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(drive)
