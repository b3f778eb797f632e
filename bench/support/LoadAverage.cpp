#include "bench/support/LoadAverage.h"

#include <cstdio>

namespace brackwell::bench {

double LoadAverage() {
    double load = -1;
    if (FILE* file = std::fopen("/proc/loadavg", "r")) {
        if (std::fscanf(file, "%lf", &load) != 1) load = -1;
        std::fclose(file);
    }
    return load;
}

}  // namespace brackwell::bench
