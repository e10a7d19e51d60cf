#include "platform/qt/cups_job.h"

#include <cups/cups.h>
#include <cups/pwg.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace platform {

namespace {

struct DestinationFree {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
struct InfoFree {
    void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};
using Destination = std::unique_ptr<cups_dest_t, DestinationFree>;

// The "printer-state" CUPS reports for a stopped queue.
constexpr char stopped_state[] = "5";

Destination named_destination(const std::string& name) {
    return Destination(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.empty() ? nullptr : name.c_str(), nullptr));
}

std::string option(const cups_dest_t& dest, const char* name) {
    const char* value = cupsGetOption(name, dest.num_options, dest.options);
    return value ? value : "";
}

// CUPS calls a queue without a driver "Local Raw Printer".
bool says_raw(std::string make_and_model) {
    std::transform(make_and_model.begin(), make_and_model.end(), make_and_model.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    for (std::size_t at = make_and_model.find("raw"); at != std::string::npos;
         at = make_and_model.find("raw", at + 1)) {
        const bool starts = at == 0 || !std::isalnum((unsigned char)make_and_model[at - 1]);
        const bool ends =
            at + 3 == make_and_model.size() || !std::isalnum((unsigned char)make_and_model[at + 3]);
        if (starts && ends) return true;
    }
    return false;
}

// A queue set up with a driver has a PPD on its server.
bool has_ppd(const std::string& name) {
    const int sink = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (sink < 0) return true;  // cannot tell: do not warn
    const std::string resource = "/printers/" + name + ".ppd";
    const http_status_t status = cupsGetFd(CUPS_HTTP_DEFAULT, resource.c_str(), sink);
    ::close(sink);
    return status == HTTP_STATUS_OK;
}

bool has_driver(const cups_dest_t& dest) {
    if (says_raw(option(dest, "printer-make-and-model"))) return false;
    // A printer found on the network but not set up yet gets its driver from
    // CUPS when the first job makes its queue.
    const unsigned long type = std::strtoul(option(dest, "printer-type").c_str(), nullptr, 10);
    if (type & CUPS_PRINTER_DISCOVERED) return true;
    return has_ppd(dest.name);
}

// Millimetres to a tenth, without the process locale: "215.9", "210".
std::string millimetres(double points) {
    char text[32];
    const double mm = std::round(points * 254.0 / 72.0) / 10.0;
    const auto end = std::to_chars(text, text + sizeof text, mm, std::chars_format::fixed, 1).ptr;
    std::string written(text, end);
    if (written.ends_with(".0")) written.resize(written.size() - 2);
    return written;
}

}  // namespace

std::string cups_media(const JobPaper& paper) {
    const double short_side = std::min(paper.width_pt, paper.height_pt);
    const double long_side = std::max(paper.width_pt, paper.height_pt);
    // CUPS matches with the tolerance of Adobe's page sizes, 5 points.
    const pwg_media_t* media =
        pwgMediaForSize(PWG_FROM_POINTS(short_side), PWG_FROM_POINTS(long_side));
    if (media && media->pwg && std::strncmp(media->pwg, "custom_", 7) != 0)
        return media->ppd ? media->ppd : media->pwg;
    return "Custom." + millimetres(short_side) + "x" + millimetres(long_side) + "mm";
}

CupsQueue cups_queue(const std::string& name) {
    CupsQueue queue;
    const Destination dest = named_destination(name);
    if (!dest) {
        queue.status.present = false;
        return queue;
    }
    queue.name = dest->name;
    PrinterStatus& status = queue.status;
    status.stopped = option(*dest, "printer-state") == stopped_state;
    status.accepting_jobs = option(*dest, "printer-is-accepting-jobs") != "false";
    const std::unique_ptr<cups_dinfo_t, InfoFree> info(
        cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest.get()));
    if (!info) {
        // The server does not answer for it.
        status.present = false;
        return queue;
    }
    status.takes_pdf = cupsCheckDestSupported(CUPS_HTTP_DEFAULT, dest.get(), info.get(),
                                              "document-format", CUPS_FORMAT_PDF);
    status.has_driver = has_driver(*dest);
    return queue;
}

bool print_pdf_on_cups_queue(const std::string& name, const PdfBytes& pdf, int copies,
                             const std::string& title, const JobPaper& paper) {
    const Destination dest = named_destination(name);
    if (!dest) return false;
    const std::unique_ptr<cups_dinfo_t, InfoFree> info(
        cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest.get()));
    if (!info) return false;

    cups_option_t* options = nullptr;
    int option_count = cupsAddOption(CUPS_COPIES, std::to_string(copies).c_str(), 0, &options);
    option_count = cupsAddOption(CUPS_MEDIA, cups_media(paper).c_str(), option_count, &options);
    // Filters that do not turn a wide page onto the paper themselves are told.
    if (paper.width_pt > paper.height_pt)
        option_count =
            cupsAddOption(CUPS_ORIENTATION, CUPS_ORIENTATION_LANDSCAPE, option_count, &options);
    int job = 0;
    const ipp_status_t created = cupsCreateDestJob(CUPS_HTTP_DEFAULT, dest.get(), info.get(), &job,
                                                   title.c_str(), option_count, options);
    cupsFreeOptions(option_count, options);
    if (created > IPP_STATUS_OK_EVENTS_COMPLETE || job <= 0) return false;
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
        return false;
    }
    return true;
}

}  // namespace platform
