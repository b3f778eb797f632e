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
#include "core/PrintTarget.h"

namespace brackwell {

namespace {

// What failed: the PDF file, named, or the printer with its own state.
std::string Failure(const QPrinter& job, PrinterStep step) {
    if (job.outputFormat() == QPrinter::PdfFormat) return PdfFileFailure(QStringToPath(job.outputFileName()));
    return PrinterFailure(QStringToAnsi(job.printerName()), step);
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
    if (painter_) CloseDocument();
}

void QtPrintDevice::PrintImage(const WindowImage& image, const PrintRequest& request) {
    const QImage picture = ToQImage(image);
    printers_.printer().setPageOrientation(QtOrientation(request.orientation));
    const std::unique_ptr<QPrinter> job = printers_.NewJob();
    QPainter painter;
    if (!painter.begin(job.get())) throw std::runtime_error(Failure(*job, PrinterStep::Start));
    const QRect page = painter.viewport();
    const QSize size = picture.size().scaled(page.size(), Qt::KeepAspectRatio);
    const QRect target(QPoint(page.x() + (page.width() - size.width()) / 2, page.y()), size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
    if (!painter.end()) throw std::runtime_error(Failure(*job, PrinterStep::Print));
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
    QPageLayout layout = Printer().pageLayout();
    if (!painter_) layout.setOrientation(QtOrientation(orientation_));
    return static_cast<int>(std::lround(layout.fullRect(QPageLayout::Millimeter).width() * kMillimetresToTwips));
}

void QtPrintDevice::SetOriginShift(int xTwips, int yTwips) {
    originXTwips_ = xTwips;
    originYTwips_ = yTwips;
}

double QtPrintDevice::TwipsToDevice(int twips) const {
    return twips * static_cast<double>(Printer().resolution()) / kTwipsPerInch;
}

const QPrinter& QtPrintDevice::Printer() const { return job_ ? *job_ : printers_.printer(); }

QPainter& QtPrintDevice::Document() {
    if (painter_) return *painter_;
    printers_.printer().setPageOrientation(QtOrientation(orientation_));
    std::unique_ptr<QPrinter> job = printers_.NewJob();
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(job.get())) throw std::runtime_error(Failure(*job, PrinterStep::Start));
    job_ = std::move(job);
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
    if (!job_->newPage()) {
        const std::string failure = Failure(*job_, PrinterStep::Print);
        CloseDocument();
        throw std::runtime_error(failure);
    }
    lineTop_ = 0;
}

void QtPrintDevice::EndDocument() {
    if (!painter_) return;
    const std::string failure = CloseDocument();
    if (!failure.empty()) throw std::runtime_error(failure);
}

std::string QtPrintDevice::CloseDocument() {
    const std::unique_ptr<QPainter> painter = std::move(painter_);
    const std::unique_ptr<QPrinter> job = std::move(job_);
    return painter->end() ? std::string() : Failure(*job, PrinterStep::Print);
}

void QtPrintDevice::PrintNextToPdf(const std::string& path) { printers_.PrintNextToPdf(PathToQString(path)); }

}  // namespace brackwell
