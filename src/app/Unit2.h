#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tintabel {

struct Services;

// The about window, shown modally from the main window's "About" button: the program's name,
// its credits and a link to the maker's site.
class TForm2 : public QDialog {
    Q_OBJECT

public:
    explicit TForm2(Services& services, QWidget* parent = nullptr);

    QLabel* titleLabel;
    QLabel* creditsLabel;
    QLabel* siteLink;
    QPushButton* okButton;

private:
    void siteLinkClick();

    Services& m_services;
};

} // namespace tintabel
