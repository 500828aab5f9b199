/* A stand-in decoding library for start-up tests. Its answers come from the environment:
 *   FAKEBASS_VERSION    version word (default 0x00020002)
 *   FAKEBASS_INIT_FAIL  when set, BASS_Init fails with this error code
 *   FAKEBASS_LOG        file that gets one line per call, in call order
 */
#include <stdio.h>
#include <stdlib.h>
#include <stdint.h>

typedef uint32_t DWORD;
typedef int BOOL;

static int lastError = 0;

static void logCall(const char *name)
{
    const char *path = getenv("FAKEBASS_LOG");
    if (!path || !*path)
        return;
    FILE *f = fopen(path, "a");
    if (!f)
        return;
    fprintf(f, "%s\n", name);
    fclose(f);
}

DWORD BASS_GetVersion(void)
{
    logCall("BASS_GetVersion");
    const char *v = getenv("FAKEBASS_VERSION");
    return v ? (DWORD)strtoul(v, NULL, 0) : 0x00020002u;
}

BOOL BASS_SetConfig(DWORD option, DWORD value)
{
    (void)option;
    (void)value;
    logCall("BASS_SetConfig");
    lastError = 0;
    return 1;
}

BOOL BASS_Init(int device, DWORD freq, DWORD flags, void *win, const void *clsid)
{
    (void)win;
    (void)clsid;
    char line[96];
    snprintf(line, sizeof line, "BASS_Init %d %u %u", device, freq, flags);
    logCall(line);
    const char *fail = getenv("FAKEBASS_INIT_FAIL");
    if (fail && *fail) {
        lastError = atoi(fail);
        return 0;
    }
    lastError = 0;
    return 1;
}

int BASS_ErrorGetCode(void)
{
    logCall("BASS_ErrorGetCode");
    return lastError;
}

BOOL BASS_Free(void) { logCall("BASS_Free"); return 1; }
DWORD BASS_StreamCreateFile(BOOL m, const void *f, DWORD o, DWORD l, DWORD fl) { (void)m; (void)f; (void)o; (void)l; (void)fl; logCall("BASS_StreamCreateFile"); lastError = 2; return 0; }
DWORD BASS_StreamCreateURL(const char *u, DWORD o, DWORD fl, void *p, void *us) { (void)u; (void)o; (void)fl; (void)p; (void)us; logCall("BASS_StreamCreateURL"); lastError = 2; return 0; }
DWORD BASS_MusicLoad(BOOL m, const void *f, DWORD o, DWORD l, DWORD fl, DWORD fr) { (void)m; (void)f; (void)o; (void)l; (void)fl; (void)fr; logCall("BASS_MusicLoad"); lastError = 41; return 0; }
BOOL BASS_ChannelFree(DWORD h) { (void)h; logCall("BASS_ChannelFree"); lastError = 5; return 0; }
DWORD BASS_ChannelGetLength(DWORD h) { (void)h; logCall("BASS_ChannelGetLength"); lastError = 5; return (DWORD)-1; }
BOOL BASS_ChannelGetInfo(DWORD h, void *i) { (void)h; (void)i; logCall("BASS_ChannelGetInfo"); lastError = 5; return 0; }
BOOL BASS_ChannelGetAttributes(DWORD h, DWORD *f, DWORD *v, int *p) { (void)h; (void)f; (void)v; (void)p; logCall("BASS_ChannelGetAttributes"); lastError = 5; return 0; }
DWORD BASS_ChannelIsActive(DWORD h) { (void)h; logCall("BASS_ChannelIsActive"); return 0; }
DWORD BASS_ChannelGetData(DWORD h, void *b, DWORD l) { (void)h; (void)b; (void)l; logCall("BASS_ChannelGetData"); lastError = 5; return (DWORD)-1; }
DWORD BASS_ChannelGetPosition(DWORD h) { (void)h; logCall("BASS_ChannelGetPosition"); lastError = 5; return (DWORD)-1; }
BOOL BASS_ChannelSetPosition(DWORD h, DWORD p) { (void)h; (void)p; logCall("BASS_ChannelSetPosition"); lastError = 5; return 0; }
