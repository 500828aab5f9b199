#pragma once
// C interface of libbass.so, the decoding library that the program loads from its own
// folder at start-up. Every value is 32 bits wide (handles, byte lengths and positions),
// save for the 64-bit length and position calls that reach past 4 GiB of PCM.
// Channels are decode-only: data is pulled with BASS_ChannelGetData as 16-bit signed,
// interleaved PCM at the source's own rate and channel count.

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef uint32_t DWORD;
typedef uint64_t QWORD;
typedef int BOOL;
typedef DWORD HSTREAM;
typedef DWORD HMUSIC;
typedef DWORD HCHANNEL;

#define BASSVERSION 0x00020002u

// BASS_SetConfig options
#define BASS_CONFIG_UPDATEPERIOD 1
// Threads that decode a long MPEG layer III stream read from its start, each a stretch of
// it at a time (0, the default: one per core; 1: the reading thread alone), and the sample
// frames per stretch (default 1048576). Channels made afterwards follow them; the sound
// delivered is the same.
#define BASS_CONFIG_DECODE_THREADS 0x10000u
#define BASS_CONFIG_DECODE_STRETCH 0x10001u

// Create flags
#define BASS_SAMPLE_8BITS 1u
#define BASS_MUSIC_RAMP 0x200u
#define BASS_MUSIC_PRESCAN 0x20000u
#define BASS_STREAM_BLOCK 0x100000u
#define BASS_STREAM_DECODE 0x200000u

// Channel types reported in BASS_CHANNELINFO.ctype
#define BASS_CTYPE_STREAM_WAV 0x10001u
#define BASS_CTYPE_STREAM_AIFF 0x10006u
#define BASS_CTYPE_STREAM_OGG 0x10002u
#define BASS_CTYPE_STREAM_MP3 0x10005u
#define BASS_CTYPE_STREAM_FLAC 0x10900u
#define BASS_CTYPE_STREAM_AV 0x10800u // every further format, through FFmpeg's libraries
#define BASS_CTYPE_MUSIC_MOD 0x20000u

// BASS_ChannelIsActive answers
#define BASS_ACTIVE_STOPPED 0u
#define BASS_ACTIVE_PLAYING 1u

// Error codes of BASS_ErrorGetCode
#define BASS_OK 0
#define BASS_ERROR_MEM 1
#define BASS_ERROR_FILEOPEN 2
#define BASS_ERROR_DRIVER 3
#define BASS_ERROR_HANDLE 5
#define BASS_ERROR_FORMAT 6
#define BASS_ERROR_INIT 8
#define BASS_ERROR_ALREADY 14
#define BASS_ERROR_ILLPARAM 20
#define BASS_ERROR_NOTAVAIL 37
#define BASS_ERROR_FILEFORM 41
#define BASS_ERROR_UNKNOWN (-1)

// Reasons of BASS_ErrorGetDetail: why the last failed call refused its file
#define BASS_REASON_NONE 0u          // no reason known beyond the error code
#define BASS_REASON_NOT_SOUND 1u     // no known sound or video format
#define BASS_REASON_NO_AUDIO 2u      // a known container without any sound in it
#define BASS_REASON_ENCRYPTED 3u     // the sound is encrypted
#define BASS_REASON_NO_DECODER 4u    // a codec there is no decoder for
#define BASS_REASON_REFERS_OUT 5u    // a playlist or list of other files or addresses
#define BASS_REASON_DAMAGED 6u       // the data is damaged or cut short
#define BASS_REASON_UNREADABLE 7u    // the file cannot be opened or read
#define BASS_REASON_BAD_FORMAT 8u    // a sample rate or channel count out of range

// Flags of BASS_ChannelGetDetail
#define BASS_DETAIL_MIXED_DOWN 1u // more than two channels were mixed down to stereo

typedef struct BASS_CHANNELINFO {
    DWORD freq;  // sample rate in Hz
    DWORD chans; // channel count
    DWORD flags; // BASS_SAMPLE_8BITS set for 8-bit data, clear for 16-bit
    DWORD ctype; // BASS_CTYPE_*
} BASS_CHANNELINFO;

typedef void DOWNLOADPROC(const void *buffer, DWORD length, void *user);

DWORD BASS_GetVersion(void);
BOOL BASS_SetConfig(DWORD option, DWORD value);
BOOL BASS_Init(int device, DWORD freq, DWORD flags, void *win, const void *clsid);
int BASS_ErrorGetCode(void);
BOOL BASS_Free(void);

HSTREAM BASS_StreamCreateFile(BOOL mem, const void *file, DWORD offset, DWORD length, DWORD flags);
HSTREAM BASS_StreamCreateURL(const char *url, DWORD offset, DWORD flags, DOWNLOADPROC *proc, void *user);
HMUSIC BASS_MusicLoad(BOOL mem, const void *file, DWORD offset, DWORD length, DWORD flags, DWORD freq);
// Releases one channel; the handle is never handed out again.
BOOL BASS_ChannelFree(DWORD handle);

DWORD BASS_ChannelGetLength(DWORD handle);
BOOL BASS_ChannelGetInfo(DWORD handle, BASS_CHANNELINFO *info);
BOOL BASS_ChannelGetAttributes(DWORD handle, DWORD *freq, DWORD *volume, int *pan);
DWORD BASS_ChannelIsActive(DWORD handle);
// Returns the byte count copied, or (DWORD)-1 on failure.
DWORD BASS_ChannelGetData(DWORD handle, void *buffer, DWORD length);
DWORD BASS_ChannelGetPosition(DWORD handle);
BOOL BASS_ChannelSetPosition(DWORD handle, DWORD pos);
// The 32-bit length and position calls above fail (returning (DWORD)-1 with
// BASS_ERROR_NOTAVAIL) for a value past 32 bits; these give every value whole. Their
// failure value is (QWORD)-1.
QWORD BASS_ChannelGetLength64(DWORD handle);
QWORD BASS_ChannelGetPosition64(DWORD handle);
BOOL BASS_ChannelSetPosition64(DWORD handle, QWORD pos);

// Extensions beyond version 2.2; callers resolve them optionally.
// Why the calling thread's last failed call refused its file (BASS_REASON_*), with what
// the file was found to be ("container / codec", empty when unknown) copied into
// `found` as a terminated string of at most `size` bytes.
DWORD BASS_ErrorGetDetail(char *found, DWORD size);
// What a channel's source was found to be ("container / codec"), its channel count
// before any mix-down, and BASS_DETAIL_* flags. FALSE for an unknown handle.
BOOL BASS_ChannelGetDetail(DWORD handle, char *found, DWORD size, DWORD *sourceChannels, DWORD *flags);

#ifdef __cplusplus
}
#endif
