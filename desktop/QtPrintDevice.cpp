#include "desktop/QtPrintDevice.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "desktop/AnsiQt.h"
#include "desktop/WindowImages.h"
#include "core/PrintSetup.h"

namespace brackwell {

namespace {

std::string PrinterUnavailable(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return "The file " + QStringToPath(printer.outputFileName()) + " could not be written.";
    const QString name = printer.printerName().isEmpty() ? QStringLiteral("default") : printer.printerName();
    return "The printer " + QStringToAnsi(name) + " could not be started.";
}

QPageLayout::Orientation QtOrientation(Orientation orientation) {
    return orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QFont QtFont(const FontChoice& choice) {
    QFont font(AnsiToQString(choice.name));
    if (choice.size > 0) font.setPointSizeF(choice.size);
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    return font;
}

// Page sizes are exact in millimetres (210 for A4, 215.9 for US Letter); points are rounded.
constexpr double kMillimetresToTwips = kTwipsPerInch / 25.4;

}  // namespace

QtPrintDevice::QtPrintDevice(PrinterSession& printers)
    : printers_(printers), font_{QStringToAnsi(QGuiApplication::font().family()), kPrintFontSize, false, false} {}

QtPrintDevice::~QtPrintDevice() {
    if (painter_) painter_->end();
}

void QtPrintDevice::PrintImage(const WindowImage& image, const PrintRequest& request) {
    const QImage picture = ToQImage(image);
    QPrinter& printer = printers_.printer();
    printer.setPageOrientation(QtOrientation(request.orientation));
    QPainter painter;
    if (!painter.begin(&printer)) throw std::runtime_error(PrinterUnavailable(printer));
    const QRect page = painter.viewport();
    const QSize size = picture.size().scaled(page.size(), Qt::KeepAspectRatio);
    const QRect target(QPoint(page.x() + (page.width() - size.width()) / 2, page.y()), size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
    if (!painter.end()) throw std::runtime_error(PrinterUnavailable(printer));
}

std::vector<std::string> QtPrintDevice::FontNames() const {
    std::vector<std::string> names;
    for (const QString& family : QFontDatabase::families()) names.push_back(QStringToAnsi(family));
    const std::string courier = kPrintFontName;
    if (std::find(names.begin(), names.end(), courier) == names.end() &&
        QFontInfo(QFont(AnsiToQString(courier))).fixedPitch())
        names.insert(std::upper_bound(names.begin(), names.end(), courier), courier);
    return names;
}

void QtPrintDevice::SetPageOrientation(Orientation orientation) {
    orientation_ = orientation;
    if (!painter_) printers_.printer().setPageOrientation(QtOrientation(orientation));
}

int QtPrintDevice::PageWidthTwips() const {
    QPageLayout layout = printers_.printer().pageLayout();
    if (!painter_) layout.setOrientation(QtOrientation(orientation_));
    return static_cast<int>(std::lround(layout.fullRect(QPageLayout::Millimeter).width() * kMillimetresToTwips));
}

void QtPrintDevice::SetOriginShift(int xTwips, int yTwips) {
    originXTwips_ = xTwips;
    originYTwips_ = yTwips;
}

double QtPrintDevice::TwipsToDevice(int twips) const {
    return twips * static_cast<double>(printers_.printer().resolution()) / kTwipsPerInch;
}

QPainter& QtPrintDevice::Document() {
    if (painter_) return *painter_;
    QPrinter& printer = printers_.printer();
    printer.setPageOrientation(QtOrientation(orientation_));
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(&printer)) throw std::runtime_error(PrinterUnavailable(printer));
    painter_ = std::move(painter);
    lineTop_ = 0;
    return *painter_;
}

void QtPrintDevice::PrintLine(const std::string& text) {
    QPainter& painter = Document();
    painter.setFont(QtFont(font_));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double top = TwipsToDevice(originYTwips_);
    const double pageHeight = painter.viewport().height();
    if (lineTop_ > 0 && top + lineTop_ + metrics.height() > pageHeight) NewPage();
    painter.drawText(QPointF(TwipsToDevice(originXTwips_), top + lineTop_ + metrics.ascent()), AnsiToQString(text));
    lineTop_ += metrics.lineSpacing();
}

void QtPrintDevice::NewPage() {
    Document();
    if (!printers_.printer().newPage()) throw std::runtime_error(PrinterUnavailable(printers_.printer()));
    lineTop_ = 0;
}

void QtPrintDevice::EndDocument() {
    if (!painter_) return;
    const std::unique_ptr<QPainter> painter = std::move(painter_);
    if (!painter->end()) throw std::runtime_error(PrinterUnavailable(printers_.printer()));
}

}  // namespace brackwell
