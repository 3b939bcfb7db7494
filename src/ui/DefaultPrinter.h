#pragma once

#include <functional>
#include <memory>

class QPrinter;

// Hands back the printer to print on, or nullptr when the computer has none. Windows that
// print take one, so that tests can print to a PDF file instead.
using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;

// The default printer, or the first printer there is when none is marked as the default;
// nullptr when there is no printer at all.
std::unique_ptr<QPrinter> defaultPrinter();
