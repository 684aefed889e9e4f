// The search command and its watch.
#include "cli/commands/search.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <limits>
#include <optional>
#include <sstream>

#include "cli/exit_status.h"
#include "cli/option_checks.h"
#include "cli/search_metrics.h"
#include "cli/search_options.h"
#include "cli/search_report.h"
#include "cli/text_table.h"
#include "operations/search/device_watch.h"
#include "operations/search/known_devices.h"
#include "operations/search/listed_device.h"
#include "operations/value_parsers.h"
#include "platform/file_replacement.h"

namespace zerin::cli {

namespace {

// The sleeps of a watch's interval, short enough for a stop request to end it at once.
constexpr int kIntervalStepMs = 100;

// A header row, then a row a device; with whether each is new, a last column "new" or empty.
std::vector<std::vector<std::string>> DeviceRows(const std::vector<ListedDevice>& devices,
                                                 const std::vector<bool>* isNew) {
    std::vector<std::vector<std::string>> rows{{"NAME", "MAC ADDRESS", "IP ADDRESS", "ADAPTER"}};
    if (isNew) {
        rows[0].push_back("NEW");
    }
    for (size_t i = 0; i < devices.size(); ++i) {
        const ListedDevice& device = devices[i];
        rows.push_back({device.name, device.mac, device.ip, HeardBy(device)});
        if (isNew) {
            rows.back().push_back((*isNew)[i] ? "new" : "");
        }
    }
    return rows;
}

// Whether the device at i is new, when there is a known-devices file.
std::optional<bool> NewMark(const std::vector<bool>* isNew, size_t i) {
    return isNew ? std::optional<bool>((*isNew)[i]) : std::nullopt;
}

class SearchCommand : public Command {
  public:
    CLI::App* Declare(CLI::App& tool) override {
        CLI::App* command = tool.add_subcommand(
            "search",
            "Search through every network adapter, and by unicast to any targets, and list each "
            "device once: name, MAC and IP address, and the adapter that heard it or the target "
            "address that answered. The request goes twice, at the start and a quarter of the "
            "way into the window");
        AddSearchOptions(*command, options_);
        CLI::Option* json = command->add_flag("--json", json_, "print JSON");
        command->add_flag("--csv", csv_, "print CSV with a header line")->excludes(json);
        command->add_flag("-v,--verbose", verbose_,
                          "say on standard error what was sent and heard through each adapter and "
                          "to the targets");
        command
            ->add_option("--metrics", metricsFile_,
                         "after every search, write Prometheus' text format for node_exporter's "
                         "textfile collector to FILE, replacing it at once")
            ->type_name("FILE");
        command
            ->add_option("--known", knownFile_,
                         "keep every device ever found in FILE (JSON), mark the devices it did not "
                         "hold yet as new, and replace it at once after every search")
            ->type_name("FILE");
        DeclareWatch(*command);
        command->footer(ExitStatusHelp({kExitDone, kExitBadInput, kExitNetworkFailed}));
        return command;
    }

    int Run(CommandContext& context) override {
        const PlanChoice choice = PlanSearch(context.adapters.List(), options_);
        if (choice.failure) {
            return SayFailure(context, *choice.failure);
        }
        std::optional<KnownDevices> known;
        if (!knownFile_.empty() && !ReadKnown(context, known.emplace())) {
            return Finish(context, kExitBadInput);
        }
        KnownDevices* const knownDevices = known ? &*known : nullptr;
        return watch_ ? Watch(context, choice.plan, knownDevices)
                      : List(context, choice.plan, knownDevices);
    }

  private:
    void DeclareWatch(CLI::App& command) {
        CLI::Option* watch = command.add_flag(
            "--watch", watch_,
            "search again and again and print what changed, one line an event, until Ctrl-C");
        command.get_option("--csv")->excludes(watch);
        command.add_option("--interval", intervalSeconds_, "seconds between a watch's searches")
            ->type_name("SECONDS")
            ->capture_default_str()
            ->needs(watch)
            ->check(SecondsCheck(0, 86400));
        command.add_option("--count", count_, "end the watch after N searches")
            ->type_name("N")
            ->needs(watch)
            ->check(WholeNumberCheck(1, std::numeric_limits<long>::max()));
    }

    // One search's devices, and how long it took and when it ended.
    struct Window {
        std::vector<ListedDevice> devices;
        double durationSeconds;
        double endSeconds;
    };

    Window Search(CommandContext& context, const WideSearchPlan& plan) const {
        using namespace std::chrono;
        const auto start = steady_clock::now();
        const SearchResult result = FindDevices(context.sockets, context.reporter, plan);
        Window window{{},
                      duration<double>(steady_clock::now() - start).count(),
                      duration<double>(system_clock::now().time_since_epoch()).count()};
        if (verbose_) {
            SayWhatTheSearchDid(context, plan, result);
        }
        for (const FoundDevice& device : result.devices) {
            window.devices.push_back(ListDevice(device));
        }
        return window;
    }

    // Writes the metrics when --metrics asks for them; false, after saying why, when the file
    // cannot be written.
    bool WriteMetrics(CommandContext& context, const Window& window,
                      const std::vector<ListedDevice>& up,
                      const std::vector<ListedDevice>& down) const {
        if (metricsFile_.empty()) {
            return true;
        }
        SearchMetrics metrics{{}, window.devices.size(), window.durationSeconds, window.endSeconds};
        for (const auto& [devices, isUp] : {std::pair{&up, true}, std::pair{&down, false}}) {
            for (const ListedDevice& device : *devices) {
                metrics.devices.push_back({device, isUp});
            }
        }
        std::string error;
        if (ReplaceFileContent(metricsFile_, MetricsText(metrics), error)) {
            return true;
        }
        Say(context, "cannot write " + metricsFile_ + ": " + error);
        return false;
    }

    // The known-devices file read into known; a missing one knows nothing yet. False, after
    // saying why, when it cannot be read or is not as it should be.
    bool ReadKnown(CommandContext& context, KnownDevices& known) const {
        errno = 0;
        std::ifstream file(knownFile_, std::ios::binary);
        if (!file && errno == ENOENT) {
            return true;
        }
        std::ostringstream text;
        if (!file || (!(text << file.rdbuf()) && errno != 0)) {
            Say(context, "cannot read " + knownFile_ + ": " +
                             (errno != 0 ? std::strerror(errno) : "not a readable file"));
            return false;
        }
        std::string error;
        if (!known.Read(text.str(), error)) {
            Say(context, knownFile_ + ": " + error);
            return false;
        }
        return true;
    }

    // Replaces the known-devices file when there is one; false, after saying why, when it cannot
    // be written.
    bool WriteKnown(CommandContext& context, const KnownDevices* known) const {
        std::string error;
        if (!known || ReplaceFileContent(knownFile_, known->Text(), error)) {
            return true;
        }
        Say(context, "cannot write " + knownFile_ + ": " + error);
        return false;
    }

    int List(CommandContext& context, const WideSearchPlan& plan, KnownDevices* known) const {
        const Window window = Search(context, plan);
        const std::vector<ListedDevice>& devices = window.devices;
        const std::vector<bool> marks = known ? known->Note(devices) : std::vector<bool>{};
        const std::vector<bool>* isNew = known ? &marks : nullptr;
        const bool written =
            context.sockets.Failure() ||
            (WriteMetrics(context, window, devices, {}) && WriteKnown(context, known));
        if (json_) {
            Json array = Json::array();
            for (size_t i = 0; i < devices.size(); ++i) {
                array.push_back(DeviceJson(devices[i], NewMark(isNew, i)));
            }
            PrintJson(context, array);
        } else if (csv_) {
            context.out << CsvHeader(isNew != nullptr);
            for (size_t i = 0; i < devices.size(); ++i) {
                context.out << CsvRecord(devices[i], NewMark(isNew, i));
            }
        } else {
            PrintRows(context, DeviceRows(devices, isNew));
        }
        return Finish(context, written ? kExitDone : kExitBadInput);
    }

    int Watch(CommandContext& context, const WideSearchPlan& plan, KnownDevices* known) const {
        context.stopSignals.Catch();
        DeviceWatch watch;
        for (int window = 0; count_ == 0 || window < count_; ++window) {
            if ((window > 0 && !WaitInterval(context)) || context.stopSignals.Requested()) {
                break;
            }
            const Window searched = Search(context, plan);
            std::vector<WatchEvent> events = watch.Update(searched.devices);
            if (known) {
                events = known->NoteWatch(searched.devices, events);
            }
            for (const WatchEvent& event : events) {
                PrintEvent(context, event);
            }
            if (context.sockets.Failure()) {
                break;
            }
            if (!WriteMetrics(context, searched, watch.Present(), watch.Gone()) ||
                !WriteKnown(context, known)) {
                return Finish(context, kExitBadInput);
            }
        }
        return Finish(context, kExitDone);
    }

    // False when a stop was requested meanwhile.
    bool WaitInterval(CommandContext& context) const {
        for (int waited = 0; waited < Milliseconds(intervalSeconds_); waited += kIntervalStepMs) {
            if (context.stopSignals.Requested()) {
                return false;
            }
            context.sockets.Sleep(kIntervalStepMs);
        }
        return true;
    }

    void PrintEvent(CommandContext& context, const WatchEvent& event) const {
        if (json_) {
            PrintJson(context, WatchEventJson(event));
        } else {
            context.out << WatchEventMark(event.kind) << ' ' << DeviceLine(event.device, ' ')
                        << '\n';
        }
        context.out.flush();
    }

    SearchOptions options_;
    std::string metricsFile_;
    std::string knownFile_;
    bool json_ = false;
    bool csv_ = false;
    bool verbose_ = false;
    bool watch_ = false;
    double intervalSeconds_ = 5;
    int count_ = 0;
};

}  // namespace

std::unique_ptr<Command> MakeSearchCommand() {
    return std::make_unique<SearchCommand>();
}

}  // namespace zerin::cli
