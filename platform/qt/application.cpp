#include "platform/application.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <clocale>
#include <iostream>

#include "platform/dispatcher.h"
#include "platform/failure.h"
#include "platform/interface_language.h"
#include "platform/qt/end_requests.h"
#include "platform/qt/lost_window.h"
#include "platform/qt/message_box.h"
#include "platform/qt/qstring_conversion.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/running_copy.h"
#include "platform/qt/shown_message.h"
#include "platform/testing.h"

namespace platform {

namespace {

// How long a later start waits for the running copy's answer: well over a
// cold start under load (see README), so a copy still building its window
// answers in time, and one that has not answered by then is stopped or
// stuck.
constexpr std::chrono::seconds answer_wait(10);

bool not_answering_closes_at_once = false;

bool can_show_dialogs() {
    const QString name = QGuiApplication::platformName();
    return name != QLatin1String("offscreen") && name != QLatin1String("minimal");
}

void show_failure(const std::string& message) {
    std::cerr << "tembrick: " << message << std::endl;
    if (!can_show_dialogs()) return;
    // Not modal: a nested event loop inside a handler would run other
    // handlers in the middle of this one.
    message_box(QMessageBox::Warning, message)->show();
}

// Shows `box`, a start's last word before any window, and runs the event
// loop until it is closed. A window of its own, not a dialog of the hidden
// window Qt keeps for the application, so that the desktop shows and lists
// it like any other.
void show_until_closed(QMessageBox& box) {
    box.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
    QObject::connect(&box, &QDialog::finished, [] { QCoreApplication::exit(0); });
    bring_forward(box);
    QCoreApplication::exec();
}

// Shows why the start cannot go on until the box is closed; a later start
// on the same data folder brings the box forward meanwhile.
void show_refusal(const std::string& message, QPointer<QMessageBox>& shown) {
    std::cerr << "tembrick: " << message << std::endl;
    if (!can_show_dialogs()) return;
    shown = message_box(QMessageBox::Critical, message);
    show_until_closed(*shown);
}

// A later start finding the same copy stuck brings this box forward rather
// than showing a second one.
void say_not_answering(const std::wstring& data_folder, const NotAnswering& message) {
    const std::string sentence = QString::fromStdWString(message.sentence).toStdString();
    std::cerr << "tembrick: " << sentence << std::endl;
    if (!can_show_dialogs()) return;
    ShownMessage shown(data_folder);
    if (shown.brought_forward_elsewhere()) return;
    set_interface_texts(message.texts);
    QMessageBox* box = message_box(QMessageBox::Warning, sentence);
    shown.serve(*box);
    if (not_answering_closes_at_once) QTimer::singleShot(0, box, &QMessageBox::accept);
    show_until_closed(*box);
}

}  // namespace

namespace testing {

void close_not_answering_message_at_once() { not_answering_closes_at_once = true; }

}  // namespace testing

void install_qt_services() {
    set_poster([](std::function<void()> work) {
        QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(work),
                                  Qt::QueuedConnection);
    });
    set_failure_reporter(show_failure);
}

int run_application(int argc, char** argv, const WindowFactory& make_window,
                    CopiesPerDataFolder copies, const NotAnsweringText& not_answering) {
    register_url_scheme();
    QCoreApplication::setApplicationName(QStringLiteral("tembrick"));
    QCoreApplication::setOrganizationName(QString());
    QApplication application(argc, argv);
    // Qt sets the process locale from the environment; numbers in the program
    // are never read or written through it, and nothing may depend on it.
    std::setlocale(LC_NUMERIC, "C");
    install_qt_services();

    QtSystem system;
    std::unique_ptr<ApplicationWindow> window;
    std::unique_ptr<RunningCopy> running_copy;
    QPointer<QMessageBox> refusal;
    if (copies == CopiesPerDataFolder::one) {
        running_copy = std::make_unique<RunningCopy>(system.data_folder());
        // The wait may be long: whoever reads the standard error knows why.
        if (running_copy->another_runs())
            std::cerr << "tembrick: a running copy holds this data folder; asking it to bring "
                         "its window forward"
                      << std::endl;
        const RunningCopy::HandOver hand_over = running_copy->another_runs()
                                                    ? running_copy->hand_over(answer_wait)
                                                    : RunningCopy::HandOver::folder_free;
        if (hand_over != RunningCopy::HandOver::folder_free) {
            if (hand_over != RunningCopy::HandOver::taken && not_answering)
                say_not_answering(system.data_folder(),
                                  not_answering(system,
                                                hand_over == RunningCopy::HandOver::unreachable
                                                    ? NoHandOver::unreachable
                                                    : NoHandOver::not_answering,
                                                running_copy->holder()));
            set_failure_reporter({});
            set_poster({});
            return hand_over == RunningCopy::HandOver::taken ? 0 : 1;
        }
        if (!running_copy->own_temp_folder(system.temp_folder())) system.withhold_temp_folder();
        // A start while the window is still being built is answered once
        // the loop runs.
        running_copy->serve([&window, &refusal]() noexcept {
            try {
                if (window) return window->bring_to_front();
                if (!refusal) return false;
                bring_forward(*refusal);
                return true;
            } catch (...) {
                report_failure();
                return false;
            }
        });
    }
    int exit_code = 0;
    {
        try {
            window = make_window(system, make_qt_web_view_factory(system));
            window->activate();
        } catch (const StartRefused& refused) {
            show_refusal(refused.what(), refusal);
            exit_code = 1;
        } catch (...) {
            const std::string message =
                "the window could not be opened: " + current_exception_text();
            std::cerr << "tembrick: " << message << std::endl;
            if (can_show_dialogs()) show_until_closed(*message_box(QMessageBox::Critical, message));
            exit_code = 1;
        }
        if (window && exit_code == 0) {
            // Nobody is there to read a box while the program ends unasked.
            const auto close_unasked = [&window] {
                set_failure_reporter({});
                window->close_unasked();
            };
            const auto end_unasked = [&] {
                close_unasked();
                QCoreApplication::exit(0);
            };
            // A window destroyed from outside ends the program as SIGTERM does.
            const LostWindowWatch lost_window(end_unasked);
            const EndRequests ends({.signalled = end_unasked,
                                    .logout = [&window] { window->save_at_logout(); },
                                    .loop_ending = close_unasked,
                                    .sudden_exit =
                                        [&window] {
                                            set_failure_reporter({});
                                            window->save_at_sudden_exit();
                                        }});
            exit_code = application.exec();
        }
        // The window and its web views go before the application object.
        window.reset();
    }
    set_failure_reporter({});
    set_poster({});
    return exit_code;
}

}  // namespace platform
