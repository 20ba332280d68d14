/* The package stub's front end: extracts the archive appended to this program into the temporary folder and,
 * when that went without any warning or error, opens the first page there, maximised. The recipient sees
 * either the page or nothing; the exit code is always 0. */
#include "ExtractArchive.h"

#include <stdlib.h>
#include <string.h>
#include <windows.h>

static int DiscardText(void* user, const char* text, unsigned long length) {
    (void)user;
    (void)text;
    return (int)length;
}

static int ReplaceAlways(void* user, char* fileName, size_t size) {
    (void)user;
    (void)fileName;
    (void)size;
    return 1;
}

static int CancelAllPasswords(void* user, char* buffer, int size, const char* prompt, const char* entryName) {
    (void)user;
    (void)buffer;
    (void)size;
    (void)prompt;
    (void)entryName;
    return PASSWORD_CANCEL_ALL;
}

static void IgnoreReport(void* user, const EntryReport* entry) {
    (void)user;
    (void)entry;
}

static void ExtractAndOpen(HINSTANCE instance, ExtractSettings* settings, const ExtractCallbacks* callbacks) {
    char ownPath[MAX_PATH + 1] = "";
    char savedFolder[MAX_PATH + 1] = "";
    char tempFolder[MAX_PATH + 1] = "";
    GetModuleFileNameA(instance, ownPath, MAX_PATH);
    if (!strrchr(ownPath, '\\'))
        return;
    GetCurrentDirectoryA(MAX_PATH, savedFolder);
    /* Failures here are not fatal: extraction then goes into whatever folder is current. */
    GetTempPathA(MAX_PATH, tempFolder);
    SetCurrentDirectoryA(tempFolder);
    settings->archive = ownPath;
    settings->target = NULL;
    if (ExtractArchive(settings, callbacks) == EXTRACT_OK)
        ShellExecuteA(NULL, NULL, "wgcard.html", NULL, tempFolder, SW_SHOWMAXIMIZED);
    SetCurrentDirectoryA(savedFolder);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showState) {
    (void)previous;
    (void)commandLine;
    (void)showState;
    ExtractSettings* settings = calloc(1, sizeof *settings);
    ExtractCallbacks* callbacks = calloc(1, sizeof *callbacks);
    if (settings && callbacks) {
        callbacks->print = DiscardText;
        callbacks->overwrite = ReplaceAlways;
        callbacks->password = CancelAllPasswords;
        callbacks->report = IgnoreReport;
        ExtractAndOpen(instance, settings, callbacks);
    }
    free(settings);
    free(callbacks);
    PostQuitMessage(0);
    return 0;
}
