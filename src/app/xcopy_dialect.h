#pragma once
// Where the system's XCOPY reads a command line otherwise than Windows' own.

namespace lorvane {

class XcopyDialect {
public:
    virtual ~XcopyDialect() = default;
    // Whether the system's XCOPY takes a destination ending in \*.* for that folder itself,
    // as Windows' does. Wine's asks whether it names a file or a folder and, told a folder,
    // copies into a folder named "*.*"; a final separator says "folder" to both.
    virtual bool XcopyTakesWildcardDestinationAsFolder() = 0;
    // Whether the system's XCOPY reads the date of /D month first, with dashes, as Wine's
    // does: it refuses the day-first form Windows' reads, and then copies every file.
    virtual bool XcopyReadsDatesMonthFirst() = 0;
};

}  // namespace lorvane
