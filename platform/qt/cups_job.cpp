#include "platform/qt/cups_job.h"

#include <cups/cups.h>

#include <memory>

namespace platform {

namespace {

struct DestinationFree {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
struct InfoFree {
    void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};

// The "printer-state" CUPS reports for a stopped queue.
constexpr char stopped_state[] = "5";

}  // namespace

CupsOutcome print_pdf_on_default_destination(const PdfBytes& pdf, int copies,
                                             const std::string& title) {
    const std::unique_ptr<cups_dest_t, DestinationFree> dest(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr));
    if (!dest) return CupsOutcome::no_printer;
    const char* state = cupsGetOption("printer-state", dest->num_options, dest->options);
    if (state && std::string(state) == stopped_state) return CupsOutcome::no_printer;
    const std::unique_ptr<cups_dinfo_t, InfoFree> info(
        cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest.get()));
    if (!info) return CupsOutcome::no_printer;
    if (!cupsCheckDestSupported(CUPS_HTTP_DEFAULT, dest.get(), info.get(), "document-format",
                                CUPS_FORMAT_PDF)) {
        return CupsOutcome::no_pdf;
    }

    cups_option_t* options = nullptr;
    int option_count = cupsAddOption(CUPS_COPIES, std::to_string(copies).c_str(), 0, &options);
    int job = 0;
    const ipp_status_t created = cupsCreateDestJob(CUPS_HTTP_DEFAULT, dest.get(), info.get(), &job,
                                                   title.c_str(), option_count, options);
    cupsFreeOptions(option_count, options);
    if (created > IPP_STATUS_OK_EVENTS_COMPLETE || job <= 0) return CupsOutcome::failed;
    const bool sent =
        cupsStartDestDocument(CUPS_HTTP_DEFAULT, dest.get(), info.get(), job, title.c_str(),
                              CUPS_FORMAT_PDF, 0, nullptr, 1) == HTTP_STATUS_CONTINUE &&
        cupsWriteRequestData(CUPS_HTTP_DEFAULT, reinterpret_cast<const char*>(pdf.data()),
                             pdf.size()) == HTTP_STATUS_CONTINUE &&
        cupsFinishDestDocument(CUPS_HTTP_DEFAULT, dest.get(), info.get()) <=
            IPP_STATUS_OK_EVENTS_COMPLETE;
    if (!sent) {
        // A job left open would hold the queue.
        cupsCancelDestJob(CUPS_HTTP_DEFAULT, dest.get(), job);
        return CupsOutcome::failed;
    }
    return CupsOutcome::sent;
}

}  // namespace platform
