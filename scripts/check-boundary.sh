#!/usr/bin/env bash
# Fails when code outside src/platform uses the operating system directly:
# a Win32 or POSIX header, a preprocessor test for the platform, or a call
# of the Win32 or POSIX API. Scans src/, tests/ and bench/ of the given tree
# (default: this repository). tools/ holds stand-alone programs and is not
# scanned.
set -uo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}

headers='windows\.h|winsock2?\.h|ws2tcpip\.h|shlwapi\.h|shellapi\.h|shlobj\.h|objbase\.h|tlhelp32\.h|wtsapi32\.h|lm\.h|lmaccess\.h|netlistmgr\.h|urlmon\.h|process\.h|io\.h|direct\.h|unistd\.h|pthread\.h|fcntl\.h|spawn\.h|dirent\.h|signal\.h|dlfcn\.h|poll\.h|pwd\.h|grp\.h|utmpx?\.h|iconv\.h|termios\.h|ifaddrs\.h|sys/[a-z_]+\.h|netinet/[a-z_]+\.h|arpa/[a-z_]+\.h|net/[a-z_]+\.h'
macros='_WIN32|_WIN64|__linux__|__unix__|__APPLE__|_MSC_VER|__MINGW32__|_POSIX_VERSION'
# Calls not qualified by a namespace or class of ours ("platform::X(" and
# "obj.X(" are fine; "::X(" and "X(" are not).
calls='CreateProcess[AW]?|CloseHandle|OutputDebugString[AW]?|GetLastError|WaitForSingleObject|CreateFile[AW]?|ReadFile|WriteFile|CreatePipe|SetHandleInformation|LoadLibrary[AW]?|GetProcAddress|Reg(Open|Create|Query|Set)[A-Za-z]*|GetPrivateProfile[A-Za-z]*|WritePrivateProfile[A-Za-z]*|MultiByteToWideChar|WideCharToMultiByte|_beginthreadex|CoCreateInstance|CoInitialize|ShellExecute[AW]?|fork|vfork|execv[pe]*|execl[pe]*|waitpid|pthread_[a-z_]+|posix_spawnp?|getpid|gettid|dup2|mkdir|rmdir|unlink|readlink|getenv|setenv|unsetenv|iconv_open|statvfs|getifaddrs|syscall'

status=0
report() { echo "$1"; status=1; }

mapfile -t files < <(cd "$root" && find src tests bench -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' -o -name '*.c' \) \
  -not -path 'src/platform/*' -not -path 'tests/boundary/fixtures/*' 2>/dev/null | sort)

for file in "${files[@]}"; do
  path="$root/$file"
  while IFS= read -r hit; do report "$file:$hit: OS header outside src/platform"; done \
    < <(grep -nE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"]($headers)[>\"]" "$path" | cut -d: -f1)
  while IFS= read -r hit; do report "$file:$hit: platform test outside src/platform"; done \
    < <(grep -nE "^[[:space:]]*#[[:space:]]*(if|ifdef|ifndef|elif).*\b($macros)\b" "$path" | cut -d: -f1)
  while IFS= read -r hit; do report "$file:$hit: OS call outside src/platform"; done \
    < <(grep -nP "(?<![\w.>]|\w::)(::)?\b($calls)\s*\(" "$path" | grep -vP '^\d+:\s*(//|\*)' | cut -d: -f1)
done

if [[ $status -eq 0 ]]; then
  echo "boundary: ${#files[@]} files outside src/platform use no OS header or call"
fi
exit $status
