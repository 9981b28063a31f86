# Makes the release zips from the two velk.exe files and the texts in dist/,
# checks what each zip holds, and writes SHA256SUMS over them. Both velk.exe
# files are signed (cmake/sign_exe.cmake) when the environment names a
# certificate: VELK_SIGN_PFX and VELK_SIGN_PASSWORD_FILE, optionally
# VELK_SIGN_TIMESTAMP_URL. Run by the dist target (cmake/dist.cmake):
#   cmake -D VERSION=4.0.0 -D FILE_TIME=... -D WIN64_EXE=... -D WIN32_EXE=...
#         -D TEXTS_DIR=<source>/dist -D DIST_DIR=<source>/build/dist -P dist_zip.cmake
cmake_minimum_required(VERSION 3.25)

# The zips' entries, sorted: the order is part of the zip's bytes.
set(entries velk/CZYTAJMNIE.txt velk/pomoc.html velk/velk.exe velk/velk.ini)

function(fail message)
    message(FATAL_ERROR "dist: ${message}")
endfunction()

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        fail("${ARGN} failed: ${result}")
    endif()
endfunction()

# The PE header's machine field: 8664 for x86_64, 014c for i686.
function(check_machine exe expected)
    file(READ ${exe} offset_bytes OFFSET 60 LIMIT 4 HEX)
    string(REGEX REPLACE "(..)(..)(..)(..)" "\\4\\3\\2\\1" offset_hex "${offset_bytes}")
    math(EXPR pe_offset "0x${offset_hex}")
    file(READ ${exe} signature OFFSET ${pe_offset} LIMIT 6 HEX)
    string(REGEX REPLACE "^50450000(..)(..)$" "\\2\\1" machine "${signature}")
    if(NOT machine STREQUAL expected)
        fail("${exe}: machine ${signature}, not ${expected}")
    endif()
endfunction()

# UTF-8 with a byte-order mark, every line ended by CR LF. Read as bytes:
# file(READ) as text drops the CRs.
function(check_user_text text)
    file(READ ${text} hex HEX)
    string(REGEX REPLACE "(..)" " \\1" bytes "${hex}")
    if(NOT bytes MATCHES "^ ef bb bf")
        fail("${text} does not begin with the UTF-8 byte-order mark")
    endif()
    string(REGEX MATCHALL " 0d" cr "${bytes}")
    string(REGEX MATCHALL " 0a" lf "${bytes}")
    string(REGEX MATCHALL " 0d 0a" crlf "${bytes}")
    list(LENGTH cr cr_count)
    list(LENGTH lf lf_count)
    list(LENGTH crlf crlf_count)
    if(NOT cr_count EQUAL crlf_count OR NOT lf_count EQUAL crlf_count OR NOT bytes MATCHES " 0d 0a$")
        fail("${text} has a line end other than CR LF")
    endif()
endfunction()

function(make_zip arch exe machine)
    set(zip velk-${VERSION}-${arch}.zip)
    set(stage ${DIST_DIR}/${arch}-stage)
    set(unpacked ${DIST_DIR}/${arch}-check)
    set(signed ${DIST_DIR}/${arch}-signed)
    # The zip gets a signed copy: the built velk.exe stays as the tests know it.
    if(sign_pfx)
        file(MAKE_DIRECTORY ${signed})
        run(${CMAKE_COMMAND} -D EXE=${exe} -D SIGNED=${signed}/velk.exe -D PFX=${sign_pfx}
            -D PASSWORD_FILE=${sign_password_file} -D TIME=${FILE_TIME} -D TIMESTAMP_URL=${sign_timestamp_url}
            -P ${CMAKE_CURRENT_LIST_DIR}/sign_exe.cmake)
        set(exe ${signed}/velk.exe)
    endif()
    # Fixed permissions: the zip stores them, and a checkout's may differ.
    file(COPY ${exe} DESTINATION ${stage}/velk
         FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    file(COPY ${TEXTS_DIR}/velk.ini ${TEXTS_DIR}/CZYTAJMNIE.txt ${TEXTS_DIR}/pomoc.html DESTINATION ${stage}/velk
         FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    # Only the modification time goes into the zip (-X: no extra fields), and
    # its DOS time is a local time: UTC, whatever the machine's zone.
    run(${CMAKE_COMMAND} -E env TZ=UTC ${TOUCH} -d "${FILE_TIME}" ${entries} WORKING_DIRECTORY ${stage})
    run(${CMAKE_COMMAND} -E env TZ=UTC ${ZIP} -X -D -q ${DIST_DIR}/${zip} ${entries} WORKING_DIRECTORY ${stage})

    execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${DIST_DIR}/${zip} OUTPUT_VARIABLE listing)
    string(REPLACE ";" "\n" expected "${entries}\n")
    if(NOT listing STREQUAL expected)
        fail("${zip} holds\n${listing}instead of\n${expected}")
    endif()
    file(MAKE_DIRECTORY ${unpacked})
    run(${CMAKE_COMMAND} -E tar xf ${DIST_DIR}/${zip} WORKING_DIRECTORY ${unpacked})
    check_machine(${unpacked}/velk/velk.exe ${machine})
    check_user_text(${unpacked}/velk/CZYTAJMNIE.txt)
    foreach(file velk.exe velk.ini CZYTAJMNIE.txt pomoc.html)
        run(${CMAKE_COMMAND} -E compare_files ${unpacked}/velk/${file} ${stage}/velk/${file})
    endforeach()
    file(REMOVE_RECURSE ${stage} ${unpacked} ${signed})
endfunction()

# Info-ZIP's zip, not cmake -E tar: that one stores each file's access and
# change times too, which differ from build to build.
find_program(ZIP zip)
find_program(TOUCH touch)
if(NOT ZIP OR NOT TOUCH)
    fail("zip and touch are needed (scripts/deps.sh installs zip)")
endif()
set(sign_pfx "$ENV{VELK_SIGN_PFX}")
set(sign_password_file "$ENV{VELK_SIGN_PASSWORD_FILE}")
set(sign_timestamp_url "$ENV{VELK_SIGN_TIMESTAMP_URL}")
if(sign_pfx AND sign_password_file)
    foreach(file ${sign_pfx} ${sign_password_file})
        if(NOT EXISTS ${file})
            fail("no file ${file} to sign with")
        endif()
    endforeach()
    if(sign_timestamp_url)
        message(STATUS "Signing both velk.exe files with ${sign_pfx} and a timestamp from ${sign_timestamp_url}: "
                       "the zips differ from build to build")
    else()
        message(STATUS "Signing both velk.exe files with ${sign_pfx}, at ${FILE_TIME}, without a timestamp: "
                       "Windows trusts them only while the certificate is valid")
    endif()
elseif(sign_pfx OR sign_password_file OR sign_timestamp_url)
    fail("signing needs both VELK_SIGN_PFX and VELK_SIGN_PASSWORD_FILE")
else()
    message(STATUS "The release is unsigned: VELK_SIGN_PFX and VELK_SIGN_PASSWORD_FILE name no certificate")
endif()
# The folder holds this release alone: one that fails leaves nothing of an
# earlier one.
file(REMOVE_RECURSE ${DIST_DIR})
file(MAKE_DIRECTORY ${DIST_DIR})
make_zip(win64 ${WIN64_EXE} 8664)
make_zip(win32 ${WIN32_EXE} 014c)
run(${CMAKE_COMMAND} -E sha256sum velk-${VERSION}-win32.zip velk-${VERSION}-win64.zip
    WORKING_DIRECTORY ${DIST_DIR} OUTPUT_FILE ${DIST_DIR}/SHA256SUMS)
file(READ ${DIST_DIR}/SHA256SUMS sums)
message(STATUS "build/dist/SHA256SUMS:\n${sums}")
