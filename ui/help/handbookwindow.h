#pragma once

#include <QStringList>
#include <QUrl>
#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

namespace playfair {

class HandbookBrowser;

// The handbook's window: a text browser over the pages embedded from
// docs/handbook/<language>/, with back, forward and the contents, and a box
// that finds a text in the page shown and then in the pages after it. The
// browser's history is the window's whole state; a change of the program's
// language shows the same page in the other language.
class HandbookWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HandbookWindow(QWidget *owner);

    // Shows `page` ("exercise.md") in the program's language.
    void showPage(const QString &page);

    // The language of the pages shown ("bg", "en") and the file name of the
    // page shown.
    QString language() const { return m_language; }
    QString page() const;

    // Finds `text` after the selection in the page shown, else in the pages
    // after it, from the contents round to this one. False when no page
    // holds it.
    bool find(const QString &text);

    // The handbook's pages in the program's language, in the contents'
    // order, and the address of one. Registers the embedded resource on the
    // first call.
    static QString languageOfProgram();
    static QStringList pages(const QString &language);
    static QUrl pageUrl(const QString &language, const QString &page);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void followLanguage();

    HandbookBrowser *m_browser = nullptr;
    QToolButton *m_back = nullptr;
    QToolButton *m_forward = nullptr;
    QToolButton *m_home = nullptr;
    QLineEdit *m_search = nullptr;
    QLabel *m_searchNote = nullptr;
    QString m_language;
};

} // namespace playfair
