// Preloaded (LD_PRELOAD) into the installed program by working_folders.sh, this works its window
// as a user would, so the real binary is tested without a hook of its own: it loads the colour
// document TINTABEL_DRIVE_LOAD by hand through the "Load XML file" dialog, types a red value,
// creates the file TINTABEL_DRIVE_READY and closes the window once TINTABEL_DRIVE_CLOSE exists.

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Calls step with what found() gives, once it gives something; a missing control is a crash,
// which the script sees in the exit status.
template<class Found, class Step> void when(Found found, Step step)
{
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [=] {
        if (auto* widget = found()) {
            timer->stop(); // step may run a modal loop of its own
            timer->deleteLater();
            step(*widget);
        }
    });
    timer->start(50);
}

QWidget* shownMainWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("Form1") && widget->isVisible())
            return widget;
    }
    return nullptr;
}

void loadAndType(QWidget& window)
{
    when([] { return qobject_cast<QFileDialog*>(QApplication::activeModalWidget()); },
        [](QFileDialog& dialog) {
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            name->setText(qEnvironmentVariable("TINTABEL_DRIVE_LOAD"));
            QTest::keyClick(name, Qt::Key_Return);
        });
    // Returns once the dialog was answered.
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("lsbt")), Qt::LeftButton);
    auto* red = window.findChild<QLineEdit*>(QStringLiteral("re"));
    QTest::keyClick(red, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(red, QStringLiteral("123"));
    QFile(qEnvironmentVariable("TINTABEL_DRIVE_READY")).open(QIODevice::WriteOnly);
    when(
        [&window] {
            return QFile::exists(qEnvironmentVariable("TINTABEL_DRIVE_CLOSE")) ? &window : nullptr;
        },
        [](QWidget& shown) { shown.close(); });
}

void drive()
{
    when(shownMainWindow, loadAndType);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(drive)
