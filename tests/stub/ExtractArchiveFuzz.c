/* libFuzzer target of the archive reader: each input is written as an archive file and extracted into
 * "target" inside the scratch folder "fuzz-jail". Anything that appears in the jail beside "target" and the
 * input means an entry was written outside its target folder, and stops the run. */
#define _XOPEN_SOURCE 700
#include "ExtractArchive.h"

#include <dirent.h>
#include <ftw.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static int RemoveOne(const char* path, const struct stat* info, int kind, struct FTW* walk) {
    (void)info;
    (void)kind;
    (void)walk;
    return remove(path);
}

static void CheckJail(void) {
    DIR* jail = opendir(".");
    if (!jail)
        abort();
    for (struct dirent* item = readdir(jail); item; item = readdir(jail)) {
        const char* name = item->d_name;
        if (strcmp(name, ".") && strcmp(name, "..") && strcmp(name, "target") && strcmp(name, "input.zip")) {
            fprintf(stderr, "written outside the target folder: %s\n", name);
            abort();
        }
    }
    closedir(jail);
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static int inJail;
    if (!inJail) {
        mkdir("fuzz-jail", 0777);
        if (chdir("fuzz-jail") != 0)
            abort();
        inJail = 1;
    }
    mkdir("target", 0777);
    FILE* input = fopen("input.zip", "wb");
    if (!input || fwrite(data, 1, size, input) != size || fclose(input) != 0)
        abort();
    ExtractSettings settings = {"input.zip", "target"};
    ExtractCallbacks callbacks = {0};
    ExtractArchive(&settings, &callbacks);
    CheckJail();
    nftw("target", RemoveOne, 16, FTW_DEPTH | FTW_PHYS);
    return 0;
}
