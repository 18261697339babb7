#include "platform/appstyle.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleOption>
#include <QWidget>

#include <array>

namespace zk {
namespace {

class AppStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override
    {
        if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
            return ExtensionArrow(icon == SP_ToolBarHorizontalExtensionButton, option, widget);
        return QProxyStyle::standardIcon(icon, option, widget);
    }

private:
    // The same pictures the common style uses, in the same sizes.
    static QIcon ExtensionArrow(bool horizontal, const QStyleOption* option, const QWidget* widget)
    {
        const bool rtl =
            (option ? option->direction : (widget ? widget->layoutDirection() : QGuiApplication::layoutDirection())) ==
            Qt::RightToLeft;
        const QString base = QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-");
        const QString stem = horizontal ? base + (rtl ? QStringLiteral("h-rtl-") : QStringLiteral("h-"))
                                        : base + QStringLiteral("v-");
        static constexpr std::array<int, 3> across{8, 16, 32}, down{5, 10, 20};
        QIcon result;
        for (int size : horizontal ? across : down) {
            QImageReader reader(stem + QString::number(size) + QStringLiteral(".png"), "png");
            reader.setAutoDetectImageFormat(false);
            const QImage image = reader.read();
            if (!image.isNull())
                result.addPixmap(QPixmap::fromImage(image));
        }
        return result;
    }
};

}  // namespace

void InstallAppStyle() { QApplication::setStyle(new AppStyle); }

}  // namespace zk
