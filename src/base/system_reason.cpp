// French reasons of failed file operations.
#include "base/system_reason.h"

#include <cerrno>
#include <cstring>

#include "base/strings.h"
#include "base/strings_files.h"

namespace ordinax::base {

std::string systemReason(int error, FileAccess access) {
    int id = 0;
    switch (error) {
        case 0:
            return {};
        case ENOSPC:
            id = MsgReasonDiskFull;
            break;
        case EDQUOT:
            id = MsgReasonQuota;
            break;
        case EACCES:
        case EPERM:
            id = MsgReasonAccessDenied;
            break;
        case ENOENT:
            id = access == FileAccess::Write ? MsgReasonNoFolder : MsgReasonNoFile;
            break;
        case EROFS:
            id = MsgReasonReadOnly;
            break;
        case EFBIG:
            id = MsgReasonFileTooBig;
            break;
        case ENOTDIR:
            id = MsgReasonNotFolder;
            break;
        case EISDIR:
            id = MsgReasonIsFolder;
            break;
        case ENAMETOOLONG:
            id = MsgReasonNameTooLong;
            break;
        case EIO:
            id = MsgReasonInputOutput;
            break;
        case EMFILE:
        case ENFILE:
            id = MsgReasonTooManyFiles;
            break;
        case ENOMEM:
            id = MsgReasonNoMemory;
            break;
        case EBUSY:
        case ETXTBSY:
            id = MsgReasonBusy;
            break;
        case ELOOP:
            id = MsgReasonLinkLoop;
            break;
        case ENXIO:
        case ENODEV:
            id = MsgReasonDevice;
            break;
        case ESPIPE:
            id = MsgReasonPipe;
            break;
        default: {
            // The symbolic name reads the same in every language.
            const char* name = ::strerrorname_np(error);
            std::string code = name ? std::string(name) + " (" + std::to_string(error) + ")" : std::to_string(error);
            return makeMessage(MsgReasonOther, Heading::None, code).text;
        }
    }
    return std::string(messageText(id));
}

Message withReason(Message message, std::string_view reason) {
    if (reason.empty()) return message;
    message.text += "\n\n";
    message.text += reason;
    return message;
}

Message makeMessageWith(int id, Heading heading, std::initializer_list<std::string_view> arguments) {
    std::string text(messageText(id));
    std::size_t from = 0;
    for (std::string_view argument : arguments) {
        const std::size_t at = text.find("%s", from);
        if (at == std::string::npos) break;
        text.replace(at, 2, argument);
        from = at + argument.size();
    }
    return Message{id, heading, std::move(text)};
}

}  // namespace ordinax::base
