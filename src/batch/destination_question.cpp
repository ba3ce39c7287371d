#include "batch/destination_question.h"

#include "batch/command_arguments.h"

namespace lorvane {

std::string DestinationArgument(const std::string& commandLine) {
    const CopyRequest request = ReadCopyRequest(commandLine);
    return request.destination ? request.destination->text : std::string();
}

}  // namespace lorvane
