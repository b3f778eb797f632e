#pragma once
// A caption of words set over a row of boxes, such as the round numbers "1" to "6" over the
// points boxes: each word is drawn centred over its box, whatever the font makes of the blanks
// between them. The label's text stays the caption as written, for whoever reads it.

#include <QLabel>
#include <QPointer>

#include <vector>

namespace brackwell {

class ColumnCaption final : public QLabel {
    Q_OBJECT
public:
    explicit ColumnCaption(const QString& caption, QWidget* parent = nullptr);

    // The boxes, one for each word of the caption, in order.
    void setColumns(const std::vector<QWidget*>& columns);
    // The x, in this label, each word is centred on; empty when the words and boxes do not pair.
    std::vector<int> WordCentres() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList Words() const;

    std::vector<QPointer<QWidget>> columns_;
};

}  // namespace brackwell
