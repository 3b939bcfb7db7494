#include "ui/DefaultPrinter.h"

#include <QPrinter>
#include <QPrinterInfo>

std::unique_ptr<QPrinter> defaultPrinter()
{
    QPrinterInfo chosen = QPrinterInfo::defaultPrinter();
    if (chosen.isNull()) {
        const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
        if (printers.isEmpty())
            return nullptr;
        chosen = printers.first();
    }
    return std::make_unique<QPrinter>(chosen, QPrinter::HighResolution);
}
