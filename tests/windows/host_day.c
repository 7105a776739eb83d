/* A TS9 and an MT5 host's day through VantorelCom2.dll, as a C host
 * does it: LoadLibraryW, GetProcAddress for every export, calls with the
 * Windows x64 convention, every text result released with CoTaskMemFree.
 * The service is a relay sandbox from the native broker (its port in the
 * file that VANTOREL_SANDBOX_BROKER_PORT_FILE names); the configuration
 * goes to a fresh folder under %TEMP%. Exits 0 when every check held. */
#include <windows.h>
#include <objbase.h>
#include <winhttp.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "VantorelCom2.h"

#define VL_FUNCTIONS(X)                                                                                       \
    X(ReadInitialData_TS9) X(ReadInitialData_TS10) X(GetVLVersion_TS9) X(GetVLVersion_TS10)                 \
    X(GetVLVersion_MT4) X(GetVLVersion_MT5) X(SendInitialize_TS9) X(SendInitialize_TS10)                    \
    X(SendInitialize_MT4) X(SendInitialize_MT5) X(SendDeinitialize_TS9) X(SendDeinitialize_TS10)            \
    X(SendDeinitialize_MT4) X(SendDeinitialize_MT5) X(SendOrderData_set_TS9) X(SendOrderData_set_TS10)      \
    X(SendOrderData_set_MT4) X(SendOrderData_set_MT5) X(SendOrderData_TS9) X(SendOrderData_TS10)            \
    X(SendOrderData_MT4) X(SendOrderData_MT5) X(SendPositionData_add_TS9) X(SendPositionData_add_TS10)      \
    X(SendPositionData_add_MT4) X(SendPositionData_add_MT5) X(SendPositionData_TS9)                         \
    X(SendPositionData_TS10) X(SendPositionData_MT4) X(SendPositionData_MT5) X(LogToVL_TS9) X(LogToVL_TS10) \
    X(LogToVL_MT4) X(LogToVL_MT5) X(VantorelInstanceExists) X(ComputeFilePath) X(RegisterOrderToUpdate)     \
    X(GetRegisteredOrderToUpdate) X(GetPositionQuantityCorrected) X(SetStopVantorel) X(GetStopVantorel)

#define VL_MEMBER(name) __typeof__(&name) name;
static struct {
    VL_FUNCTIONS(VL_MEMBER)
} vl;

static int failures = 0;
static int checks = 0;

static void check(int ok, const char* what) {
    ++checks;
    if (!ok) {
        ++failures;
        printf("FAIL: %s\n", what);
    }
}

/* Compares an 8-bit result with the expected text and frees it. */
static void expectAnsi(char* result, const char* expected, const char* what) {
    check(result != NULL, what);
    if (!result) return;
    if (strcmp(result, expected) != 0) printf("  got \"%s\", expected \"%s\"\n", result, expected);
    check(strcmp(result, expected) == 0, what);
    CoTaskMemFree(result);
}

static void expectWide(VL_WCHAR* result, const wchar_t* expected, const char* what) {
    check(result != NULL, what);
    if (!result) return;
    if (wcscmp(result, expected) != 0) printf("  got \"%ls\", expected \"%ls\"\n", result, expected);
    check(wcscmp(result, expected) == 0, what);
    CoTaskMemFree(result);
}

static void expectAnsiContains(char* result, const char* part, const char* what) {
    check(result != NULL, what);
    if (!result) return;
    if (!strstr(result, part)) printf("  got \"%s\", expected it to contain \"%s\"\n", result, part);
    check(strstr(result, part) != NULL, what);
    CoTaskMemFree(result);
}

/* --- The sandbox, through the broker ----------------------------------- */

static INTERNET_PORT brokerPort(void) {
    const char* file = getenv("VANTOREL_SANDBOX_BROKER_PORT_FILE");
    FILE* in = file ? fopen(file, "r") : NULL;
    int port = 0;
    if (in) {
        if (fscanf(in, "%d", &port) != 1) port = 0;
        fclose(in);
    }
    return (INTERNET_PORT)port;
}

/* One request to the broker; the answer (at most size-1 bytes) in out.
 * Returns the HTTP status, 0 when the broker could not be reached. */
static DWORD brokerCall(const wchar_t* method, const char* path, const char* body, char* out, size_t size) {
    DWORD status = 0;
    wchar_t widePath[256];
    HINTERNET session = WinHttpOpen(L"host_day", WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME,
                                    WINHTTP_NO_PROXY_BYPASS, 0);
    HINTERNET connection = session ? WinHttpConnect(session, L"127.0.0.1", brokerPort(), 0) : NULL;
    HINTERNET request = NULL;
    swprintf(widePath, 256, L"%hs", path);
    if (connection)
        request = WinHttpOpenRequest(connection, method, widePath, NULL, WINHTTP_NO_REFERER,
                                     WINHTTP_DEFAULT_ACCEPT_TYPES, 0);
    out[0] = '\0';
    if (request && WinHttpSendRequest(request, L"Content-Type: application/json", (DWORD)-1L, (void*)body,
                                      (DWORD)strlen(body), (DWORD)strlen(body), 0) &&
        WinHttpReceiveResponse(request, NULL)) {
        DWORD length = sizeof status;
        size_t used = 0;
        DWORD read = 0;
        WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                            WINHTTP_HEADER_NAME_BY_INDEX, &status, &length, WINHTTP_NO_HEADER_INDEX);
        while (used + 1 < size && WinHttpReadData(request, out + used, (DWORD)(size - 1 - used), &read) && read > 0)
            used += read;
        out[used] = '\0';
    }
    if (request) WinHttpCloseHandle(request);
    if (connection) WinHttpCloseHandle(connection);
    if (session) WinHttpCloseHandle(session);
    return status;
}

/* Counts the occurrences of part in text. */
static int occurrences(const char* text, const char* part) {
    int count = 0;
    for (const char* p = strstr(text, part); p; p = strstr(p + 1, part)) ++count;
    return count;
}

/* --- A scratch roaming folder ------------------------------------------ */

static void removeTree(const wchar_t* folder) {
    wchar_t pattern[MAX_PATH];
    WIN32_FIND_DATAW entry;
    HANDLE find;
    swprintf(pattern, MAX_PATH, L"%ls\\*", folder);
    find = FindFirstFileW(pattern, &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            wchar_t child[MAX_PATH];
            if (wcscmp(entry.cFileName, L".") == 0 || wcscmp(entry.cFileName, L"..") == 0) continue;
            swprintf(child, MAX_PATH, L"%ls\\%ls", folder, entry.cFileName);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                removeTree(child);
            else
                DeleteFileW(child);
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(folder);
}

static int fileContains(const wchar_t* path, const char* part) {
    char content[4096];
    size_t used = 0;
    FILE* in = _wfopen(path, L"rb");
    if (!in) return 0;
    used = fread(content, 1, sizeof content - 1, in);
    fclose(in);
    content[used] = '\0';
    return strstr(content, part) != NULL;
}

/* --- The day ------------------------------------------------------------ */

static int resolveExports(HMODULE dll) {
    int missing = 0;
#define VL_RESOLVE(name)                                                                  \
    vl.name = (__typeof__(vl.name))(void (*)(void))GetProcAddress(dll, #name);            \
    if (!vl.name) {                                                                       \
        printf("FAIL: export %s not found\n", #name);                                     \
        ++missing;                                                                        \
    }
    VL_FUNCTIONS(VL_RESOLVE)
#undef VL_RESOLVE
    return missing;
}

static void beforeInitialize(void) {
    expectAnsi(vl.GetVLVersion_TS9(), "4.6.0.0", "GetVLVersion_TS9");
    expectAnsi(vl.GetVLVersion_TS10(), "4.6.0.0", "GetVLVersion_TS10");
    expectWide(vl.GetVLVersion_MT4(), L"4.6.0.0", "GetVLVersion_MT4");
    expectWide(vl.GetVLVersion_MT5(), L"4.6.0.0", "GetVLVersion_MT5");
    expectAnsi(vl.SendOrderData_TS9(), "", "SendOrderData_TS9 without a manager");
    expectWide(vl.SendPositionData_MT5(L"1 | "), L"", "SendPositionData_MT5 without a manager");
    expectAnsi(vl.LogToVL_TS9("x", 213), "", "LogToVL_TS9 without a manager");
    expectAnsi(vl.ReadInitialData_TS9(4), "", "ReadInitialData_TS9 before a key was stored");

    check(vl.VantorelInstanceExists(1) == 0, "first instance claim finds none");
    check(vl.VantorelInstanceExists(1) == 1, "second instance claim finds one");
    check(vl.VantorelInstanceExists(0) == 1, "release with claims active");
    check(vl.VantorelInstanceExists(0) == 1, "release of the last claim");
    check(vl.VantorelInstanceExists(0) == 0, "release with none left");
    check(vl.VantorelInstanceExists(1) == 0, "count back at zero");

    vl.SetStopVantorel(2);
    check(vl.GetStopVantorel() == 1, "stop flag set by a non-zero BOOL");
    vl.SetStopVantorel(0);
    check(vl.GetStopVantorel() == 0, "stop flag cleared");
}

static void ts9Day(const wchar_t* appData, const char* sandboxPrefix) {
    char path[128], answer[256];
    wchar_t iniFile[MAX_PATH];

    check(vl.SendInitialize_TS9("key-ts9", 4, "9.1", 3, 0) == 1, "SendInitialize_TS9 accepted");
    swprintf(iniFile, MAX_PATH, L"%ls\\Vantorel\\kxts9\\VantorelConfig.ini", appData);
    check(fileContains(iniFile, "KXAPIKey: key-ts9"), "the key is stored in Vantorel\\kxts9\\VantorelConfig.ini");
    expectAnsi(vl.ReadInitialData_TS9(4), "key-ts9", "ReadInitialData_TS9 reads the stored key");

    vl.SendOrderData_set_TS9("ACC-1", 101.25, 86400, "ORD-1", 1, 2, 10, 0, 10, 1, "ESZ5");
    expectAnsi(vl.SendOrderData_TS9(), "", "accepted order gives an empty text");

    snprintf(path, sizeof path, "%sscript", sandboxPrefix);
    brokerCall(L"POST", path, "{\"body\":\"{\\\"OK\\\":false,\\\"ErrorDescription\\\":\\\"Symbol unknown\\\"}\"}",
               answer, sizeof answer);
    vl.SendOrderData_set_TS9("ACC-1", 99.5, 86460, "ORD-2", 2, 1, 0, 0, 10, 1, "ESZ5");
    expectAnsi(vl.SendOrderData_TS9(), "Symbol unknown", "refused order gives the service's description");
    expectAnsiContains(vl.LogToVL_TS9("", 213), "APIKey", "LogToVL_TS9 fixed-text line");

    vl.SendPositionData_add_TS9("ACC-1", 100.0, 1, 10, 1, "ESZ5");
    vl.SendPositionData_add_TS9("ACC-2", 50.5, 2, 3, 1, "NQZ5");
    expectAnsi(vl.SendPositionData_TS9("ACC-1 | ACC-2 | "), "", "accepted position sync");

    vl.RegisterOrderToUpdate("id-1", "data-1", 1, "payload-1");
    vl.RegisterOrderToUpdate("id-1", "data-1", 8, "payload-1");
    expectAnsi(vl.GetRegisteredOrderToUpdate(), "payload-1", "ready registry entry handed out");
    expectAnsi(vl.GetRegisteredOrderToUpdate(), "", "registry entry handed out once");
    check(vl.GetPositionQuantityCorrected("ESZ5", 10, 10) == 10, "position quantity of an unmonitored symbol");

    vl.SendDeinitialize_TS9();
}

static void mt5Day(void) {
    check(vl.SendInitialize_MT5(L"key-mt5", 6, L"5.0.4", 3, 1) == 1, "SendInitialize_MT5 accepted");
    vl.SendOrderData_set_MT5(L"5001", 7001, 0, L"expert \x00e9", 0, 0, 0.5, 1.08512, 0, L"EURUSD", 0,
                             1700000000, 0.5);
    expectWide(vl.SendOrderData_MT5(), L"", "accepted MT5 order");
    vl.SendPositionData_add_MT5(L"5001", 1.085, L"EURUSD", 0, 0, 0.5);
    expectWide(vl.SendPositionData_MT5(L"5001 | "), L"", "accepted MT5 position sync");
    vl.SendDeinitialize_MT5();
}

int main(int argc, char** argv) {
    const wchar_t* dllName = L"VantorelCom2.dll";
    wchar_t dllArgument[MAX_PATH];
    wchar_t appData[MAX_PATH], tempFolder[MAX_PATH];
    char answer[65536], url[64], sandboxPrefix[64];
    int sandboxId = 0, sandboxPort = 0;
    HMODULE dll;

    if (argc > 1) {
        MultiByteToWideChar(CP_ACP, 0, argv[1], -1, dllArgument, MAX_PATH);
        dllName = dllArgument;
    }
    dll = LoadLibraryW(dllName);
    if (!dll) {
        printf("FAIL: LoadLibraryW(%ls) failed with %lu\n", dllName, GetLastError());
        return 1;
    }
    if (resolveExports(dll) != 0) return 1;

    if (brokerCall(L"POST", "/sandboxes", "{}", answer, sizeof answer) != 200 ||
        sscanf(answer, "{\"id\":%d,\"port\":%d}", &sandboxId, &sandboxPort) != 2) {
        printf("FAIL: no sandbox from the broker (%s)\n", answer);
        return 1;
    }
    snprintf(sandboxPrefix, sizeof sandboxPrefix, "/sandboxes/%d/", sandboxId);
    snprintf(url, sizeof url, "http://127.0.0.1:%d/", sandboxPort);
    _putenv_s("VANTOREL_SERVICE_URL", url);

    GetTempPathW(MAX_PATH, tempFolder);
    swprintf(appData, MAX_PATH, L"%lshost_day_%lu", tempFolder, GetCurrentProcessId());
    CreateDirectoryW(appData, NULL);
    SetEnvironmentVariableW(L"VANTOREL_APPDATA_DIR", appData);

    beforeInitialize();
    ts9Day(appData, sandboxPrefix);
    mt5Day();

    {
        char path[128];
        snprintf(path, sizeof path, "%sreceived", sandboxPrefix);
        check(brokerCall(L"GET", path, "", answer, sizeof answer) == 200, "received documents from the sandbox");
        check(occurrences(answer, "\"endpoint\":\"sendInitialize\"") == 2, "two initialize documents");
        check(occurrences(answer, "\"endpoint\":\"sendOrder\"") == 3, "three order documents");
        check(occurrences(answer, "\"endpoint\":\"sendPosition\"") == 2, "two position documents");
        check(occurrences(answer, "\"endpoint\":\"sendDeinitialize\"") == 2, "two deinitialize documents");
        check(occurrences(answer, "\\\"KXAPIKey\\\":\\\"key-ts9\\\"") == 5, "TS9 documents carry the TS9 key");
        check(occurrences(answer, "\\\"KXAPIKey\\\":\\\"key-mt5\\\"") == 4, "MT5 documents carry the MT5 key");
        check(strstr(answer, "expert \xc3\xa9") != NULL, "UTF-16 text arrives as UTF-8");
        snprintf(path, sizeof path, "%sstop", sandboxPrefix);
        brokerCall(L"POST", path, "{}", answer, sizeof answer);
    }

    removeTree(appData);
    FreeLibrary(dll);
    printf("%d passed, %d failed\n", checks - failures, failures);
    return failures == 0 ? 0 : 1;
}
