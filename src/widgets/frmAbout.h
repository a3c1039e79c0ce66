#pragma once

#include <QDialog>

class QLineEdit;
class QUrl;

// The About box: the program's title and version, who makes it, and how to reach them.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

    static QString authorLine();
    static QString contactAddress();
    static QUrl webAddress();

protected:
    // Hands the address to the desktop's browser; tests replace it.
    virtual void openWebAddress(const QUrl &url);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitAddressBox();
    void visitWebsite();
    void centerOnScreen();

    QLineEdit *m_text1 = nullptr;
};
