// The search command and its watch.
#include "cli/commands/search.h"

#include "cli/device_finder.h"
#include "cli/device_listing.h"
#include "cli/device_watch.h"
#include "cli/exit_status.h"
#include "cli/json_output.h"
#include "cli/search_report.h"
#include "cli/value_parsers.h"

namespace zerin::cli {

namespace {

// The sleeps of a watch's interval, short enough for a stop request to end it at once.
constexpr int kIntervalStepMs = 100;

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
        DeclareWatch(*command);
        return command;
    }

    int Run(CommandContext& context) override {
        const PlanChoice choice = PlanSearch(context, options_);
        if (choice.status != kExitDone) {
            return choice.status;
        }
        return watch_ ? Watch(context, choice.plan) : List(context, choice.plan);
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
            ->check(CLI::Range(0.0, 86400.0).description(""));
        command.add_option("--count", count_, "end the watch after N searches")
            ->type_name("N")
            ->needs(watch)
            ->check(CLI::PositiveNumber.description(""));
    }

    std::vector<ListedDevice> Search(CommandContext& context, const WideSearchPlan& plan) const {
        const SearchResult result = FindDevices(context, plan);
        if (verbose_) {
            SayWhatTheSearchDid(context, plan, result);
        }
        std::vector<ListedDevice> listed;
        for (const FoundDevice& device : result.devices) {
            listed.push_back(ListDevice(device));
        }
        return listed;
    }

    int List(CommandContext& context, const WideSearchPlan& plan) const {
        const std::vector<ListedDevice> devices = Search(context, plan);
        if (json_) {
            Json array = Json::array();
            for (const ListedDevice& device : devices) {
                array.push_back(DeviceJson(device));
            }
            PrintJson(array, context.out);
        } else if (!csv_ && context.console.OutputIsTerminal()) {
            context.out << DeviceTable(devices);
        } else {
            context.out << (csv_ ? CsvHeader() : "");
            for (const ListedDevice& device : devices) {
                context.out << (csv_ ? CsvRecord(device) : DeviceLine(device, '\t') + '\n');
            }
        }
        return Finish(context, kExitDone);
    }

    int Watch(CommandContext& context, const WideSearchPlan& plan) const {
        context.stopSignals.Catch();
        DeviceWatch watch;
        for (int window = 0; count_ == 0 || window < count_; ++window) {
            if ((window > 0 && !WaitInterval(context)) || context.stopSignals.Requested()) {
                break;
            }
            for (const WatchEvent& event : watch.Update(Search(context, plan))) {
                PrintEvent(context, event);
            }
            if (context.sockets.Failure()) {
                break;
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
            Json line = DeviceJson(event.device);
            line["event"] = WatchEventName(event.kind);
            PrintJson(line, context.out);
        } else {
            context.out << WatchEventMark(event.kind) << ' ' << DeviceLine(event.device, ' ')
                        << '\n';
        }
        context.out.flush();
    }

    SearchOptions options_;
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
