# Signs one velk.exe for the release: SHA-256 Authenticode by osslsigncode,
# with the certificate and key of a PKCS#12 file whose password is read from a
# file (never on a command line). Run by cmake/dist_zip.cmake and the signing
# test:
#   cmake -D EXE=<unsigned> -D SIGNED=<out> -D PFX=<file.pfx> -D PASSWORD_FILE=<file>
#         -D "TIME=2026-12-09 00:00:00 UTC" [-D TIMESTAMP_URL=<url>] -P sign_exe.cmake
cmake_minimum_required(VERSION 3.25)

find_program(OSSLSIGNCODE osslsigncode)
find_program(DATE date)
if(NOT OSSLSIGNCODE OR NOT DATE)
    message(FATAL_ERROR "sign: osslsigncode and date are needed (scripts/deps.sh installs osslsigncode)")
endif()

# The signature's signing time is the release's fixed time, not the clock's,
# so that two signings give the same bytes.
execute_process(COMMAND ${DATE} -u -d "${TIME}" +%s
                OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "sign: no time in '${TIME}'")
endif()
# An RFC 3161 timestamp keeps the signature valid after the certificate
# expires; it holds the server's time, so such a file differs from build to
# build.
set(timestamp)
if(TIMESTAMP_URL)
    set(timestamp -ts ${TIMESTAMP_URL})
endif()

# osslsigncode overwrites no file. -time is what it called -st before 2.4.
file(REMOVE ${SIGNED})
execute_process(
    COMMAND ${OSSLSIGNCODE} sign -pkcs12 ${PFX} -readpass ${PASSWORD_FILE} -h sha256
            -time ${epoch} ${timestamp} -in ${EXE} -out ${SIGNED}
    OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "sign: osslsigncode could not sign ${EXE}:\n${output}")
endif()
