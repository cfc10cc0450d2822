#pragma once

#include <QTextBrowser>

namespace playfair {

// A text browser over the handbook's pages: Markdown read from the embedded
// resource, pictures scaled down to a width that fits beside the text.
class HandbookBrowser : public QTextBrowser
{
    Q_OBJECT
public:
    explicit HandbookBrowser(QWidget *parent = nullptr);

    // The widest a picture is shown, in pixels.
    static constexpr int pictureWidth = 640;

    QVariant loadResource(int type, const QUrl &name) override;
};

} // namespace playfair
