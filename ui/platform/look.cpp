#include "ui/platform/look.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPalette>
#include <QScreen>
#include <QTranslator>
#include <QWidget>
#include <cmath>

namespace platform {
namespace {

constexpr double kTwipsPerInch = 1440.0;

double dotsPerInch(Qt::Orientation orientation) {
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 96.0;
    return orientation == Qt::Horizontal ? screen->logicalDotsPerInchX()
                                         : screen->logicalDotsPerInchY();
}

int toPixels(int twips, Qt::Orientation orientation) {
    return static_cast<int>(std::lround(twips * dotsPerInch(orientation) / kTwipsPerInch));
}

int toTwips(int pixels, Qt::Orientation orientation) {
    return static_cast<int>(std::lround(pixels * kTwipsPerInch / dotsPerInch(orientation)));
}

} // namespace

int twipsToPixelsX(int twips) {
    return toPixels(twips, Qt::Horizontal);
}
int twipsToPixelsY(int twips) {
    return toPixels(twips, Qt::Vertical);
}
int pixelsToTwipsX(int pixels) {
    return toTwips(pixels, Qt::Horizontal);
}
int pixelsToTwipsY(int pixels) {
    return toTwips(pixels, Qt::Vertical);
}

QColor toColor(const soccer::Rgb &rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

void setBackground(QWidget *widget, const QColor &color) {
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColor(QWidget *widget, const QColor &color) {
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, color);
    widget->setPalette(palette);
}

void installRussianTranslations() {
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char *catalogue : {"qtbase_ru"}) {
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(QString::fromLatin1(catalogue), folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}

} // namespace platform
