#include "handbookbrowser.h"

#include <QImage>
#include <QTextDocument>

namespace playfair {

HandbookBrowser::HandbookBrowser(QWidget *parent)
    : QTextBrowser(parent)
{
    setOpenExternalLinks(true);
}

QVariant HandbookBrowser::loadResource(int type, const QUrl &name)
{
    QVariant resource = QTextBrowser::loadResource(type, name);
    if (type != QTextDocument::ImageResource || !resource.canConvert<QByteArray>())
        return resource;
    // The windows' pictures are taken at their size on the screen; the
    // larger ones are shown smaller so that the page reads without scrolling
    // sideways.
    QImage picture = QImage::fromData(resource.toByteArray());
    if (picture.isNull())
        return resource;
    if (picture.width() > pictureWidth)
        picture = picture.scaledToWidth(pictureWidth, Qt::SmoothTransformation);
    return picture;
}

} // namespace playfair
