#include "app/QtPrintDevice.h"

#include <QPainter>

#include <stdexcept>
#include <string>

#include "app/AnsiQt.h"
#include "app/WindowImages.h"

namespace brackwell {

namespace {

std::string PrinterUnavailable(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return "The file " + QStringToPath(printer.outputFileName()) + " could not be written.";
    const QString name = printer.printerName().isEmpty() ? QStringLiteral("default") : printer.printerName();
    return "The printer " + QStringToAnsi(name) + " could not be started.";
}

}  // namespace

void QtPrintDevice::PrintImage(const WindowImage& image, const PrintRequest& request) {
    const QImage picture = ToQImage(image);
    QPrinter& printer = printers_.printer();
    printer.setPageOrientation(request.orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                             : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer)) throw std::runtime_error(PrinterUnavailable(printer));
    const QRect page = painter.viewport();
    const QSize size = picture.size().scaled(page.size(), Qt::KeepAspectRatio);
    const QRect target(QPoint(page.x() + (page.width() - size.width()) / 2, page.y()), size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
    if (!painter.end()) throw std::runtime_error(PrinterUnavailable(printer));
}

}  // namespace brackwell
