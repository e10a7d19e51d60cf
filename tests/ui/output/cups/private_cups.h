// A CUPS server of the test's own: cupsd listening on a socket in a
// temporary folder, with its configuration, spool, state and logs there,
// and one PDF queue whose files land in that folder too. This process's
// CUPS client talks to it until it is stopped; a system cupsd is left alone.
//
// The cups-pdf backend reads its settings only from /etc/cups, and there
// from a file named after the queue: that one file is written there, under
// a name no other queue has, and removed again.
#pragma once

#include <QProcess>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace cups_test {

// Why a private server cannot run here, or nothing when it can.
std::optional<std::string> why_no_private_cups();

class PrivateCups {
public:
    PrivateCups();
    ~PrivateCups();
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    // Empty once the server answers and the queue is there; else what
    // went wrong, with the server's log.
    const std::string& failure() const { return failure_; }
    const std::string& queue() const { return queue_; }
    // Where the queue writes its PDFs.
    std::filesystem::path output_folder() const { return folder_.path() / "out"; }

    // A second queue on the same backend, set up without a driver (raw);
    // true when it is there.
    bool add_raw_queue(const std::string& name);
    // Makes `name` the queue the program prints on.
    bool make_default(const std::string& name);
    // The ids of the jobs of queue `name`, newest last.
    std::vector<int> job_ids(const std::string& name);

    // Runs a CUPS command-line tool against this server; true on success.
    bool run_tool(const std::string& tool, const QStringList& arguments);
    std::vector<int> job_ids() { return job_ids(queue_); }
    // An integer attribute of a job ("copies", "job-state"); -1 when absent.
    int job_attribute(int job, const char* name);
    std::string log() const;

private:
    bool start();
    // Starts cupsd and waits until it answers on its socket.
    bool launch();

    fixture::temp_folder folder_;
    std::string queue_;
    std::string server_;
    std::filesystem::path backend_settings_;
    QProcess cupsd_;
    std::string failure_;
    std::optional<std::string> kept_lpdest_;
};

}  // namespace cups_test
