#pragma once
// A contact sheet: rows of generated pictures on a table-green ground, so that a
// person can look at the whole set at once.

#include <QImage>
#include <QList>

namespace tavik::art {

class ContactSheet {
  public:
    // Adds a row. framed: draw the one-pixel card frame with open corners around
    // every picture, as the table does for small cards.
    void addRow(const QList<QImage>& pictures, bool framed);
    QImage render() const;

  private:
    struct Row {
        QList<QImage> pictures;
        bool framed;
    };
    QList<Row> rows_;
};

}  // namespace tavik::art
