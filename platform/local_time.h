// A local date and time to the second, as stamps and log headers print it. No platform headers.
#pragma once

struct LocalTime {
    int year, month, day, hour, minute, second;
};
