#include "private_cups.h"

#include <cups/cups.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QProcessEnvironment>
#include <QStandardPaths>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

namespace cups_test {

namespace {

const std::filesystem::path cupsd = "/usr/sbin/cupsd";
const std::filesystem::path pdf_backend = "/usr/lib/cups/backend/cups-pdf";
const std::filesystem::path pdf_driver = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
const std::filesystem::path backend_settings_folder = "/etc/cups";
// How long cupsd or one of its tools may take: generous, it only bounds a
// failure.
constexpr int server_bound_ms = 60000;

// Whether process `pid` is there and not a zombie waiting to be reaped.
bool is_running(const std::string& pid) {
    std::ifstream stat("/proc/" + pid + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return false;
    const std::size_t name_end = line.rfind(')');
    return name_end != std::string::npos && name_end + 2 < line.size() && line[name_end + 2] != 'Z';
}

// Settings files left by a test that was killed before it could remove
// them; their process is gone.
void remove_stale_backend_settings() {
    const std::string prefix = "cups-pdf-paperwright-test-";
    std::error_code ignored;
    for (const auto& entry :
         std::filesystem::directory_iterator(backend_settings_folder, ignored)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(prefix) || !name.ends_with(".conf")) continue;
        const std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - 5);
        if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) continue;
        if (!is_running(digits)) std::filesystem::remove(entry.path(), ignored);
    }
}

std::string read_text(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

std::optional<std::string> why_no_private_cups() {
    for (const auto& needed : {cupsd, pdf_backend, pdf_driver})
        if (!std::filesystem::exists(needed)) return needed.string() + " is not installed";
    // cups-pdf runs only as root, and reads its settings from /etc/cups.
    if (::geteuid() != 0) return std::string("the PDF queue needs root");
    if (::access(backend_settings_folder.c_str(), W_OK) != 0)
        return backend_settings_folder.string() + " is not writable";
    return std::nullopt;
}

PrivateCups::PrivateCups() {
    queue_ = "paperwright-test-" + std::to_string(::getpid());
    if (const char* lpdest = std::getenv("LPDEST")) kept_lpdest_ = lpdest;
    if (!start()) (failure_ += '\n') += log();
}

bool PrivateCups::start() {
    namespace fs = std::filesystem;
    const fs::path top = folder_.path();
    // The scheduler's filters run as lp and must reach their files.
    fs::permissions(top, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                             fs::perms::others_read | fs::perms::others_exec);
    for (const char* sub : {"root", "spool/tmp", "cache", "state", "log", "out", "pdf-spool"})
        fs::create_directories(top / sub);
    fs::permissions(top / "spool/tmp", fs::perms::all | fs::perms::sticky_bit);
    const std::string at = top.string();
    std::ostringstream files;
    files << "ServerRoot " << at << "/root\nRequestRoot " << at << "/spool\nTempDir " << at
          << "/spool/tmp\nCacheDir " << at << "/cache\nStateDir " << at << "/state\nPrintcap " << at
          << "/state/printcap\nErrorLog " << at << "/log/error_log\nAccessLog " << at
          << "/log/access_log\nPageLog " << at << "/log/page_log\n"
          << "ServerBin /usr/lib/cups\nDataDir /usr/share/cups\n"
          << "DocumentRoot /usr/share/cups/doc-root\nSystemGroup root\nUser lp\nGroup lp\n";
    fixture::write_bytes(top / "root/cups-files.conf", files.str());
    remove_stale_backend_settings();
    backend_settings_ = backend_settings_folder / ("cups-pdf-" + queue_ + ".conf");
    std::ostringstream backend;
    backend << "Out " << at << "/out\nAnonDirName " << at << "/out\nSpool " << at
            << "/pdf-spool\nLog " << at << "/log\n";
    fixture::write_bytes(backend_settings_, backend.str());

    if (!launch()) return false;
    // This thread's CUPS client, which the program prints with.
    cupsSetServer(server_.c_str());
    if (!run_tool("lpadmin",
                  {QStringLiteral("-p"), QString::fromStdString(queue_), QStringLiteral("-v"),
                   QString::fromStdString("cups-pdf:/" + queue_), QStringLiteral("-P"),
                   QString::fromStdString(pdf_driver.string()), QStringLiteral("-E")}) ||
        !make_default(queue_)) {
        failure_ = "the PDF queue could not be set up";
        return false;
    }
    return true;
}

bool PrivateCups::launch() {
    const std::string at = folder_.path().string();
    // A socket in the test's own folder, where a port could be taken by
    // another test's server between a probe and cupsd's start.
    server_ = at + "/cups.sock";
    std::ostringstream server_settings;
    server_settings << "Listen " << server_ << "\n"
                    << "Browsing No\nWebInterface No\nDefaultAuthType None\nIdleExitTimeout 0\n"
                    << "LogLevel info\nMaxLogSize 0\n"
                    << "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                    << "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n"
                    << "</Policy>\n";
    fixture::write_bytes(folder_.path() / "root/cupsd.conf", server_settings.str());
    cupsd_.setProcessChannelMode(QProcess::MergedChannels);
    // A test killed on its timeout takes its server with it.
    cupsd_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    cupsd_.setStandardOutputFile(QString::fromStdString(at + "/log/cupsd_output"));
    cupsd_.start(QString::fromStdString(cupsd.string()),
                 {QStringLiteral("-f"), QStringLiteral("-c"),
                  QString::fromStdString(at + "/root/cupsd.conf"), QStringLiteral("-s"),
                  QString::fromStdString(at + "/root/cups-files.conf")});
    if (!cupsd_.waitForStarted(server_bound_ms)) {
        failure_ = "cupsd did not start";
        return false;
    }
    // Until it answers or stops; a loaded machine can take its time.
    const auto give_up =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(server_bound_ms);
    while (std::chrono::steady_clock::now() < give_up) {
        if (cupsd_.waitForFinished(0)) {
            failure_ = "cupsd stopped";
            return false;
        }
        if (http_t* http = httpConnect2(server_.c_str(), 0, nullptr, AF_LOCAL,
                                        HTTP_ENCRYPTION_IF_REQUESTED, 1, 1000, nullptr)) {
            httpClose(http);
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    cupsd_.kill();
    cupsd_.waitForFinished(5000);
    failure_ = "cupsd does not answer on " + server_;
    return false;
}

bool PrivateCups::add_raw_queue(const std::string& name) {
    return run_tool("lpadmin", {QStringLiteral("-p"), QString::fromStdString(name),
                                QStringLiteral("-v"), QString::fromStdString("cups-pdf:/" + queue_),
                                QStringLiteral("-m"), QStringLiteral("raw"), QStringLiteral("-E")});
}

bool PrivateCups::make_default(const std::string& name) {
    // The server's default, and over whatever the user's own settings name.
    ::setenv("LPDEST", name.c_str(), 1);
    return run_tool("lpadmin", {QStringLiteral("-d"), QString::fromStdString(name)});
}

PrivateCups::~PrivateCups() {
    cupsSetServer(nullptr);
    if (kept_lpdest_)
        ::setenv("LPDEST", kept_lpdest_->c_str(), 1);
    else
        ::unsetenv("LPDEST");
    if (cupsd_.state() != QProcess::NotRunning) {
        cupsd_.terminate();
        if (!cupsd_.waitForFinished(10000)) {
            cupsd_.kill();
            cupsd_.waitForFinished(5000);
        }
    }
    std::error_code ignored;
    if (!backend_settings_.empty()) std::filesystem::remove(backend_settings_, ignored);
}

bool PrivateCups::run_tool(const std::string& tool, const QStringList& arguments) {
    QString program = QStandardPaths::findExecutable(QString::fromStdString(tool));
    if (program.isEmpty())
        program = QStandardPaths::findExecutable(
            QString::fromStdString(tool),
            {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
    if (program.isEmpty()) return false;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CUPS_SERVER"), QString::fromStdString(server_));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    return process.waitForFinished(server_bound_ms) &&
           process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

std::vector<int> PrivateCups::job_ids(const std::string& name) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, name.c_str(), 0, CUPS_WHICHJOBS_ALL);
    std::vector<int> ids;
    for (int i = 0; i < count; ++i) ids.push_back(jobs[i].id);
    cupsFreeJobs(count, jobs);
    std::sort(ids.begin(), ids.end());
    return ids;
}

int PrivateCups::job_attribute(int job, const char* name) {
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    const std::string uri = "ipp://localhost/jobs/" + std::to_string(job);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 name);
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    int value = -1;
    if (response) {
        if (ipp_attribute_t* found = ippFindAttribute(response, name, IPP_TAG_ZERO))
            value = ippGetInteger(found, 0);
        ippDelete(response);
    }
    return value;
}

std::string PrivateCups::log() const {
    const std::filesystem::path logs = folder_.path() / "log";
    return read_text(logs / "cupsd_output") + read_text(logs / "error_log");
}

}  // namespace cups_test
