#include "ui/main/formdelegate.h"

#include <QPainter>

namespace {

constexpr int kGap = 2;

int squareSize(const QStyleOptionViewItem &option) {
    return option.fontMetrics.height() + 2;
}

} // namespace

QColor FormDelegate::colorOf(QChar letter) {
    if (letter == u'В')
        return QColor(0x00, 0x72, 0xB2);
    if (letter == u'Н')
        return QColor(0x80, 0x80, 0x80);
    return QColor(0xD5, 0x5E, 0x00);
}

void FormDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const {
    QStyledItemDelegate::paint(painter, option, QModelIndex());
    const QString letters = index.data().toString();
    const int side = squareSize(option);
    const int width = int(letters.size()) * (side + kGap) - kGap;
    int left = option.rect.left() + std::max(0, (option.rect.width() - width) / 2);
    const int top = option.rect.top() + std::max(0, (option.rect.height() - side) / 2);
    painter->save();
    QFont bold = option.font;
    bold.setBold(true);
    painter->setFont(bold);
    for (QChar letter : letters) {
        const QRect square(left, top, side, side);
        painter->fillRect(square, colorOf(letter));
        painter->setPen(Qt::white);
        painter->drawText(square, Qt::AlignCenter, QString(letter));
        left += side + kGap;
    }
    painter->restore();
}

QSize FormDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const {
    const int side = squareSize(option);
    return {5 * (side + kGap) + 6, side + 4};
}
