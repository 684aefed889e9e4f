// How the simulated devices answer one request.
#include "tools/devsim/device_responder.h"

#include <optional>
#include <utility>

#include "protocol/packet.h"
#include "tools/devsim/fault.h"
#include "tools/devsim/request_reader.h"

namespace zerin::devsim {

namespace {

using Reply = std::optional<Datagram>;
using Handler = Reply (*)(DeviceState&, const Datagram&, const FaultPlan&);

Reply AnswerSearch(DeviceState& device, const Datagram&, const FaultPlan&) {
    return BuildSearchReply(device);
}

Reply AnswerDeviceInfo(DeviceState& device, const Datagram&, const FaultPlan&) {
    return BuildDeviceInfoReply(device);
}

Reply AnswerNetworkInfo(DeviceState& device, const Datagram&, const FaultPlan&) {
    return BuildNetworkInfoReply(device);
}

Reply AnswerShareCount(DeviceState& device, const Datagram&, const FaultPlan&) {
    return BuildShareCountReply(device);
}

Reply AnswerShareList(DeviceState& device, const Datagram& request, const FaultPlan&) {
    std::optional<uint8_t> page = ReadSharePage(request);
    return page ? Reply(BuildShareListReply(device, *page)) : std::nullopt;
}

Reply AnswerUsbInfo(DeviceState& device, const Datagram&, const FaultPlan&) {
    return BuildUsbInfoReply(device);
}

Reply AnswerVerify(DeviceState& device, const Datagram& request, const FaultPlan& plan) {
    std::optional<Credentials> given = ReadCredentials(request);
    if (!given) {
        return std::nullopt;
    }
    bool match = given->user == device.adminUser && given->password == device.adminPassword;
    uint16_t status = plan.refusalStatus.value_or(match ? 0 : kVerifyRefused);
    return BuildStatusReply(device, CMD_VERIFY, status);
}

// A device that forgets answers all the same.
Reply AnswerSetDeviceInfo(DeviceState& device, const Datagram& request, const FaultPlan& plan) {
    std::optional<DeviceSettings> settings = ReadDeviceSettings(request);
    if (!settings) {
        return std::nullopt;
    }
    if (plan.forget) {
        return BuildStatusReply(device, CMD_SET_DEVICE_INFO, 0);
    }
    device.passwordFlag = settings->passwordFlag;
    device.description = settings->description;
    device.date = settings->date;
    device.time = settings->time;
    device.timeZone = settings->timeZone;
    return BuildStatusReply(device, CMD_SET_DEVICE_INFO, 0);
}

// A refused or forgotten request leaves the settings as they were.
Reply AnswerSetNetworkInfo(DeviceState& device, const Datagram& request, const FaultPlan& plan) {
    std::optional<NetworkSettings> settings = ReadNetworkSettings(request);
    if (!settings) {
        return std::nullopt;
    }
    if (!plan.refusalStatus && !plan.forget) {
        device.ipStatus = settings->ipStatus;
        device.ip = settings->ip;
        device.mask = settings->mask;
        device.gateway = settings->gateway;
        device.dns1 = settings->dns1;
        device.dns2 = settings->dns2;
    }
    return BuildStatusReply(device, CMD_SET_NETWORK_INFO, plan.refusalStatus.value_or(0));
}

const std::pair<uint16_t, Handler> kHandlers[] = {
    {CMD_SEARCH, AnswerSearch},
    {CMD_GET_DEVICE_INFO, AnswerDeviceInfo},
    {CMD_SET_DEVICE_INFO, AnswerSetDeviceInfo},
    {CMD_GET_NETWORK_INFO, AnswerNetworkInfo},
    {CMD_SET_NETWORK_INFO, AnswerSetNetworkInfo},
    {CMD_GET_USB_INFO, AnswerUsbInfo},
    {CMD_VERIFY, AnswerVerify},
    {CMD_GET_SHARE_COUNT, AnswerShareCount},
    {CMD_GET_SHARE_LIST, AnswerShareList},
};

Handler FindHandler(uint16_t command) {
    for (const auto& [code, handler] : kHandlers) {
        if (code == command) {
            return handler;
        }
    }
    return nullptr;
}

// One device's answer with its faults: nothing, or an optional stray datagram and the reply, both
// by broadcast when a fault says so.
void AnswerAs(DeviceState& device, Handler handler, const Datagram& request,
              std::vector<Answer>& answers) {
    uint16_t command = ReadU16(&request[kCommandOffset]);
    if (LoseRequest(device.faults, command)) {
        return;
    }
    FaultPlan plan = PlanFaults(device.faults, command);
    if (plan.silent) {
        return;
    }
    Reply reply = handler(device, request, plan);
    if (!reply) {
        return;
    }
    if (plan.productCode && (command == CMD_SEARCH || command == CMD_GET_DEVICE_INFO)) {
        ReplaceProductCode(*reply, *plan.productCode);
    }
    if (plan.strayCommand) {
        answers.push_back(
            {plan.delayMs, BuildStatusReply(device, *plan.strayCommand, 0), plan.broadcast});
    }
    for (int i = 0; i < plan.copies; ++i) {
        answers.push_back({plan.delayMs, *reply, plan.broadcast});
    }
}

}  // namespace

std::vector<Answer> Respond(std::vector<DeviceState>& devices, const Datagram& request,
                            const std::optional<std::string>& unicastTo) {
    std::vector<Answer> answers;
    if (request.size() < kHeaderSize) {
        return answers;
    }
    PacketHeader header = PacketHeader::Read(request.data());
    Handler handler = FindHandler(header.command);
    if (!handler) {
        return answers;
    }
    for (DeviceState& device : devices) {
        const bool reached = !unicastTo || *unicastTo == device.ip;
        if (reached && (header.command == CMD_SEARCH || device.mac == header.mac)) {
            AnswerAs(device, handler, request, answers);
        }
    }
    return answers;
}

}  // namespace zerin::devsim
