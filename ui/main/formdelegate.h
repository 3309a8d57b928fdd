#pragma once

#include <QStyledItemDelegate>

// Paints a form ("ВНП") as one square a result, each letter written on its colour, so that a
// reader who cannot tell the colours apart reads the letters: blue for a win, grey for a
// draw, orange for a loss (colours told apart in the common kinds of colour blindness).
class FormDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The colour a letter stands on.
    static QColor colorOf(QChar letter);
};
