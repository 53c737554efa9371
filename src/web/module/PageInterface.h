#pragma once
// What the browser page and the WebAssembly module of a game say to each other.
//
// The page (src/web/page) unpacks the jar, then hands its entries to the module, starts it and
// calls avz_step whenever the module may run: at once in the test mode (virtual clock), at the
// wake-up time it asked for otherwise. The module draws, prints, decodes pictures, plays sounds
// and keeps records through the avz_js_* functions, which the page implements
// (src/web/module/platform.lib.js forwards them to the page's object).
//
// Texts are UTF-8 and end with a zero byte. Pixels are 0xAARRGGBB integers, row by row, as
// Java's getRGB gives them. Memory the page hands over (pictures, records) is allocated with
// the module's malloc and freed by the module with free.

#include <cstdint>

extern "C" {

// --- The module's side: the page calls these ---------------------------------------------

// What avz_step and avz_start return.
enum AvzStatus {
    AVZ_WAITING = 0,  // every thread waits: run again at avz_wake_time()
    AVZ_FRAME = 1,    // a frame was shown (avz_js_present): run again when the page is ready
    AVZ_ENDED = 2,    // the MIDlet has ended (notifyDestroyed), or nothing can happen any more
    AVZ_ERROR = 3,    // a Java exception escaped the MIDlet, or the machine refused the game:
                      // avz_error_class and avz_error_message say which
    AVZ_OVERTIME = 4  // one call ran past its time budget: the game is stopped
};

// One entry of the jar, inflated by the page (names as in the jar, folders with "/"). The
// module copies the bytes. Called for every entry before avz_start.
void avz_add_entry(const char* name, const std::uint8_t* data, int size);

// Starts the MIDlet the manifest names, on a screen of width x height pixels. With
// virtualClock the machine keeps the clock of the emulator's headless runs (it starts at
// 2010-01-01 00:00 UTC and jumps to the next wake-up) and plays keyScript, lines as the
// emulator's --keys file ("FRAME press|release|tap KEY"); otherwise keyScript is empty and the
// time is the one avz_step passes. Returns AVZ_WAITING when the MIDlet runs, or AVZ_ERROR.
int avz_start(int width, int height, int virtualClock, const char* keyScript);

// Runs the MIDlet until it shows a frame, every thread waits, it ends or fails, or
// budgetMillis of real time have passed (then AVZ_OVERTIME). nowMillis is the wall clock
// (milliseconds since 1970) when the clock is not virtual. Returns an AvzStatus.
int avz_step(double nowMillis, double budgetMillis);

// When avz_step should run next, on the machine's clock (milliseconds since 1970); a negative
// value when only a key or the page can wake the MIDlet.
double avz_wake_time();

// A key of the phone: kind 1 pressed, 0 released, 2 repeated (held down); code as MIDP gives
// it (-1 up, -2 down, -3 left, -4 right, -5 fire, -6 and -7 the soft keys, 48..57 the digits,
// 42 "*", 35 "#").
void avz_key(int kind, int code);

// The page was hidden (hideNotify, pauseApp) or shown again (startApp, showNotify).
void avz_pause();
void avz_resume();

// After AVZ_ERROR: the Java class of the error ("java.lang.NullPointerException",
// "java.lang.VerifyError", ...) and its message (may be empty).
const char* avz_error_class();
const char* avz_error_message();

// --- The page's side: the module calls these ---------------------------------------------

// Shows a frame of width x height pixels.
void avz_js_present(const std::uint32_t* pixels, int width, int height);

// Text the MIDlet prints, with its line ends: standard output (error 0) goes into the page's
// output, which the test mode shows; standard error (error 1) into the browser's console.
void avz_js_print(const char* text, int length, int error);

// Decodes a PNG file. Returns the pixels (malloc'd, width * height) and sets width and
// height, or returns null when the data are not a picture the decoder reads.
std::uint32_t* avz_js_decode_png(const std::uint8_t* data, int size, int* width, int* height);

// A sound of the MIDlet: data in the format mime names ("audio/x-wav", "audio/midi", ...).
// Returns a handle above zero, or 0 when the page cannot play that format (the game goes on
// silently; the page says so once).
int avz_js_sound_load(const char* mime, const std::uint8_t* data, int size);
// Plays from the start, `loops` times (-1: until stopped); stops what the handle played.
void avz_js_sound_play(int handle, int loops);
void avz_js_sound_stop(int handle);
// 0..100.
void avz_js_sound_volume(int handle, int level);
void avz_js_sound_free(int handle);

// The record stores of this MIDlet (the page keeps them under its name and vendor). A store
// is one block of bytes in the module's own format.
// Returns the store's bytes (malloc'd) and sets size, or null when there is no such store.
std::uint8_t* avz_js_store_load(const char* name, int* size);
// Returns 1 when saved, 0 when the browser's storage is full.
int avz_js_store_save(const char* name, const std::uint8_t* data, int size);
void avz_js_store_delete(const char* name);
// The names of the stores, each followed by "\n" (malloc'd, ends with a zero byte).
char* avz_js_store_list();
}
