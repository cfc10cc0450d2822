#include "languagemenu.h"

#include "ui/help/handbook.h"
#include "ui/translations.h"
#include "zoom.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace playfair {

namespace {

// Each language named in itself, Български and English, so that whoever
// cannot read the one shown still finds their own.
QString nameOf(UiLanguage language)
{
    if (language == UiLanguage::English)
        return QStringLiteral("English");
    QString name = localeOf(language).nativeLanguageName();
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

} // namespace

void addLanguageMenu(QMenu *menu)
{
    QMenu *languages = menu->addMenu(QCoreApplication::translate("LanguageMenu", "Език"));
    languages->setObjectName(QStringLiteral("languageMenu"));
    auto *group = new QActionGroup(languages);
    for (const UiLanguage language : {UiLanguage::Bulgarian, UiLanguage::English}) {
        QAction *action = languages->addAction(nameOf(language));
        action->setObjectName(QStringLiteral("language_") + languageCode(language));
        action->setCheckable(true);
        action->setChecked(uiLanguage() == language);
        action->setActionGroup(group);
        QObject::connect(action, &QAction::triggered, action, [language] { chooseLanguage(language); });
    }
}

void execWindowMenu(QWidget *window, const QList<QAction *> &actions, const QPoint &globalPos)
{
    QMenu menu(window);
    menu.setFont(window->font());
    if (!actions.isEmpty()) {
        menu.addActions(actions);
        menu.addSeparator();
    }
    addLanguageMenu(&menu);
    addZoomMenu(&menu);
    addHelpAction(&menu, window);
    menu.exec(globalPos);
}

} // namespace playfair
