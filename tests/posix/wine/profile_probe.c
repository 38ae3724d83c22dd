/* Runs profile reads and writes through the Windows profile functions so that
 * our own implementation can be compared with a reference one under Wine.
 *
 * Reads commands from the file named on the command line, one per line, every
 * text field hex-encoded so that any byte can pass:
 *   R <file> <section> <key> <default> <bufferSize>   -> prints the value in hex
 *   W <file> <section> <key> <value>                  -> prints 1 or 0
 * An empty field is written as "-". */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static char* unhex(const char* text)
{
    size_t n = strlen(text) / 2;
    char* out = malloc(n + 1);
    if (strcmp(text, "-") == 0) n = 0;
    for (size_t i = 0; i < n; ++i) {
        unsigned value = 0;
        sscanf(text + 2 * i, "%2x", &value);
        out[i] = (char)value;
    }
    out[n] = 0;
    return out;
}

static void printHex(const char* bytes, DWORD length)
{
    if (length == 0) fputs("-", stdout);
    for (DWORD i = 0; i < length; ++i) printf("%02x", (unsigned char)bytes[i]);
    fputs("\n", stdout);
}

int main(int argc, char** argv)
{
    if (argc != 2) return 2;
    FILE* commands = fopen(argv[1], "r");
    if (!commands) return 2;
    static char line[1 << 16];
    char op[4], f[4096], s[4096], k[4096], v[16384];
    while (fgets(line, sizeof line, commands)) {
        unsigned size = 0;
        if (sscanf(line, "%3s %4095s %4095s %4095s %16383s %u", op, f, s, k, v, &size) < 5) continue;
        char *file = unhex(f), *section = unhex(s), *key = unhex(k), *text = unhex(v);
        if (op[0] == 'R') {
            char* buffer = calloc(size + 1, 1);
            DWORD length = GetPrivateProfileStringA(section, key, text, buffer, size, file);
            printHex(buffer, length);
            free(buffer);
        } else {
            printf("%d\n", WritePrivateProfileStringA(section, key, text, file) ? 1 : 0);
        }
        free(file); free(section); free(key); free(text);
    }
    fflush(stdout);
    return 0;
}
