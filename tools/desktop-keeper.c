/* Keeps Wine's desktop up for a run of programs (tools/wine-env.sh). Wine closes the desktop
 * (explorer.exe) a second after its last user exits, and the next program pays seconds to start it
 * again; under load, a program that starts before the desktop is up can find no desktop at all, and
 * every window it creates fails. The runner starts this first: it creates a window (proof that the
 * desktop answers), says "ready", then blocks on its input until the runner closes that pipe. Without
 * a desktop it says so and ends with 3, and the runner tries again. With an argument it then lingers
 * that many seconds, so a one-off run that follows soon finds the desktop up. */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char **argv)
{
	char buf[256];
	DWORD n;
	HWND w = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
	if (!w) {
		printf("no desktop (error %lu)\n", GetLastError());
		return 3;
	}
	DestroyWindow(w);
	puts("ready");
	fflush(stdout);
	while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), buf, sizeof buf, &n, NULL) && n)
		;
	if (argc > 1)
		Sleep(1000 * (DWORD)atoi(argv[1]));
	return 0;
}
