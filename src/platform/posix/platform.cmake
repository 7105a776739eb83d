# Linux: libcurl (HTTP, TLS), the tz database through the date library.
find_package(CURL REQUIRED)
find_package(date CONFIG REQUIRED)
find_package(Threads REQUIRED)
target_link_libraries(vantorel_core PUBLIC CURL::libcurl date::date-tz Threads::Threads)
