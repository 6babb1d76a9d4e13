# vcntool as scripts use it: exit codes, stdout and stderr. Every file here is made by vcntool
# itself (the demo) or by small byte edits of it.
#
#   cmake -DVCNTOOL=path/to/vcntool -DWORK=scratch/folder -P vcntool_contract.cmake

if(NOT VCNTOOL OR NOT WORK)
  message(FATAL_ERROR "Pass -DVCNTOOL=<binary> -DWORK=<scratch folder>")
endif()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

# Runs vcntool with the arguments after `expected`; sets out and err for the caller. A wrong exit
# code is reported with everything the tool printed. Both CMake's process output and its file
# reading turn CR LF into LF, so line ends are checked on the file's size and bytes.
function(vcntool expected)
  execute_process(COMMAND "${VCNTOOL}" ${ARGN} WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE code
                  OUTPUT_FILE "${WORK}/stdout.txt" ERROR_FILE "${WORK}/stderr.txt")
  file(READ "${WORK}/stdout.txt" stdout)
  file(READ "${WORK}/stderr.txt" stderr)
  if(NOT code STREQUAL "${expected}")
    message(SEND_ERROR "vcntool ${ARGN}: exit ${code}, expected ${expected}\n"
                       "stdout:\n${stdout}\nstderr:\n${stderr}")
  endif()
  set(out "${stdout}" PARENT_SCOPE)
  set(err "${stderr}" PARENT_SCOPE)
endfunction()

function(expect_equal what actual expected)
  if(NOT actual STREQUAL expected)
    message(SEND_ERROR "${what}:\n  got      [${actual}]\n  expected [${expected}]")
  endif()
endfunction()

function(expect_contains what text part)
  string(FIND "${text}" "${part}" at)
  if(at EQUAL -1)
    message(SEND_ERROR "${what}: [${part}] not found")
  endif()
endfunction()

function(expect_same_bytes what a b)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${a}" "${b}" RESULT_VARIABLE differ)
  if(differ)
    message(SEND_ERROR "${what}: ${a} and ${b} differ")
  endif()
endfunction()

# Inverts the byte at offset of file in place.
function(flip_byte file offset)
  file(READ "${file}" hex OFFSET ${offset} LIMIT 1 HEX)
  math(EXPR value "0x${hex} ^ 0xFF")
  math(EXPR d1 "${value} / 64")
  math(EXPR d2 "(${value} / 8) % 8")
  math(EXPR d3 "${value} % 8")
  execute_process(
    COMMAND sh -c "printf '\\${d1}${d2}${d3}' | dd of='${file}' bs=1 seek=${offset} conv=notrunc"
    RESULT_VARIABLE failed OUTPUT_QUIET ERROR_QUIET)
  if(failed)
    message(FATAL_ERROR "could not change byte ${offset} of ${file}")
  endif()
endfunction()

set(demo "${WORK}/demo.vcn")
string(CONCAT open_status_texts
       "Config Signature : OK\nConfig CRC : OK\nTP Signature : OK\nTP DataBase : OK\n"
       "TP DataBase CRC : OK\nService Signature : OK\nService DataBase : OK\n"
       "Service DataBase CRC : OK\n")

# --- Usage -------------------------------------------------------------------------------------
vcntool(2)
vcntool(2 frobnicate demo.vcn)
vcntool(2 check)
vcntool(2 check one.vcn two.vcn)
vcntool(0 --help)
expect_contains("help" "${out}" "Exit codes")

# --- Demo: deterministic, opens as the editor opens, never overwrites -------------------------
vcntool(0 demo "${demo}")
if(NOT EXISTS "${demo}")
  message(FATAL_ERROR "vcntool demo wrote no file; nothing else can be checked")
endif()
vcntool(0 demo again.vcn)
expect_same_bytes("two demo runs" "${demo}" "${WORK}/again.vcn")
file(WRITE "${WORK}/taken.vcn" "somebody's channel list")
vcntool(1 demo taken.vcn)
file(READ "${WORK}/taken.vcn" kept)
expect_equal("an existing file given to demo" "${kept}" "somebody's channel list")

vcntool(0 check "${demo}")
expect_equal("check: status texts" "${out}" "${open_status_texts}")
expect_equal("check: stderr" "${err}" "")
file(COPY_FILE "${demo}" "${WORK}/UPPER.VCN")
vcntool(0 check UPPER.VCN)

# --- dump: one JSON object, exactly the documented keys ----------------------------------------
vcntool(0 dump "${demo}")
set(json "${out}")
string(JSON top_count ERROR_VARIABLE json_error LENGTH "${json}")
if(json_error)
  message(FATAL_ERROR "dump is not JSON: ${json_error}")
endif()

function(expect_keys what)
  set(keys "")
  string(JSON count LENGTH "${json}" ${ARGN})
  math(EXPR last "${count} - 1")
  foreach(i RANGE ${last})
    string(JSON key MEMBER "${json}" ${ARGN} ${i})
    list(APPEND keys ${key})
  endforeach()
  # The JSON reader here hands members back sorted, whatever their order in the text.
  list(SORT keys)
  list(SORT expected_keys)
  expect_equal("dump: keys of ${what}" "${keys}" "${expected_keys}")
endfunction()

set(expected_keys satellites transponders services favourites)
expect_keys("the top level")
set(expected_keys slot name position orientation lnbType lnbLowFreq lnbHighFreq diseqcType
                  diseqcPort)
expect_keys("a satellite" satellites 0)
set(expected_keys slot satIndex frequency symbolRate polarity fec)
expect_keys("a transponder" transponders 0)
set(expected_keys slot index name provider serviceType tpIndex serviceId videoPid audioPid pcrPid
                  locked scrambled caSystems language)
expect_keys("a service" services 0)
set(expected_keys group name entries)
expect_keys("a favourite group" favourites 0)

string(JSON satellite_count LENGTH "${json}" satellites)
string(JSON transponder_count LENGTH "${json}" transponders)
string(JSON service_count LENGTH "${json}" services)
string(JSON group_count LENGTH "${json}" favourites)
expect_equal("dump: favourite groups" "${group_count}" 5)
if(satellite_count LESS 3 OR transponder_count LESS 50 OR service_count LESS 200)
  message(SEND_ERROR "demo too small: ${satellite_count} satellites, "
                     "${transponder_count} transponders, ${service_count} services")
endif()
string(JSON locked_type TYPE "${json}" services 0 locked)
expect_equal("dump: locked" "${locked_type}" BOOLEAN)
string(JSON ca_count LENGTH "${json}" services 0 caSystems)
expect_equal("dump: caSystems" "${ca_count}" 4)
string(JSON frequency GET "${json}" transponders 0 frequency)
expect_equal("dump: frequency in kHz as stored" "${frequency}" 10729000)
# The demo's station names carry 8-bit letters; each byte becomes one character.
string(JSON radio_name GET "${json}" services 40 name)
expect_equal("dump: an 8-bit name" "${radio_name}" "Radio Zürich")

# --- csv: header, one row per service, RFC 4180 quoting -----------------------------------------
vcntool(0 csv "${demo}")
set(csv "${out}")
string(REGEX MATCHALL "\n" line_ends "${csv}")
list(LENGTH line_ends rows)
math(EXPR expected_rows "${service_count} + 1")
expect_equal("csv: rows (header and one per service)" "${rows}" "${expected_rows}")
file(SIZE "${WORK}/stdout.txt" csv_bytes)
string(LENGTH "${csv}" csv_chars_without_cr)
math(EXPR carriage_returns "${csv_bytes} - ${csv_chars_without_cr}")
math(EXPR last_two "${csv_bytes} - 2")
file(READ "${WORK}/stdout.txt" csv_end OFFSET ${last_two} HEX)
expect_equal("csv: a CR before every LF" "${carriage_returns}" "${rows}")
expect_equal("csv: the last row ends with CR LF" "${csv_end}" "0d0a")
string(FIND "${csv}" "\n" header_end)
string(SUBSTRING "${csv}" 0 ${header_end} header)
expect_equal("csv: header" "${header}" "Slot,Name,Provider,Type,Satellite,Position,\
Frequency (MHz),Polarity,Symbol Rate (kS/s),Service ID,Video PID,Audio PID,PCR PID,CA Systems,\
Language,Locked,Scrambled,Favourites")
expect_contains("csv: a scrambled TV row" "${csv}" "\n2,Nova Cinema,Alpenfunk Media,TV,\
Astra 1,19.2  E,10729,H,27500,1003,224,225,224,Nagravision;Irdeto,deu,no,yes,Fav 3\n")
expect_contains("csv: a radio row" "${csv}" "\n40,Radio Zürich,Alpenfunk Media,Radio,\
Astra 1,19.2  E,11476,V,30000,1092,0,1017,1017,,deu,no,no,Fav 5\n")
expect_contains("csv: a western position" "${csv}" ",Thor,0.8  W,")
expect_contains("csv: quotes doubled" "${csv}" ",\"Kanal \"\"K\"\" News\",")
expect_contains("csv: a comma quoted" "${csv}" ",\"Kultur, Kunst & Co\",")

# The Favourites column and the dump's groups are two views of the same membership.
foreach(group RANGE 4)
  math(EXPR number "${group} + 1")
  string(JSON name GET "${json}" favourites ${group} name)
  string(JSON members LENGTH "${json}" favourites ${group} entries)
  string(REGEX MATCHALL "Fav ${number}" cells "${csv}")
  list(LENGTH cells listed)
  if(name STREQUAL "" OR members EQUAL 0)
    message(SEND_ERROR "dump: favourite group ${group} is unnamed or empty")
  endif()
  expect_equal("csv rows in Fav ${number} against the dump's group ${group}" "${listed}"
               "${members}")
endforeach()

# --- resave: the editor's save, byte for byte ---------------------------------------------------
vcntool(0 resave "${demo}")
expect_equal("resave: status texts" "${out}" "${open_status_texts}Saving....\n\
The New VORN Channel File Successfully Created.\nNEW_demo.vcn Created\nIdle\n")
expect_same_bytes("resave of a file the same writer wrote" "${demo}" "${WORK}/NEW_demo.vcn")
vcntool(0 resave "${demo}")
expect_same_bytes("resave over an earlier NEW_ file" "${demo}" "${WORK}/NEW_demo.vcn")
vcntool(0 check NEW_demo.vcn)
expect_equal("check of the resaved file" "${out}" "${open_status_texts}")

# An earlier NEW_ entry that cannot be replaced (a folder of that name) is Level[8].
file(COPY_FILE "${demo}" "${WORK}/blocked.vcn")
file(MAKE_DIRECTORY "${WORK}/NEW_blocked.vcn")
vcntool(28 resave blocked.vcn)
expect_equal("resave blocked: stderr" "${err}" "Level[8] : Couldn't create New VCN File.\n")
expect_contains("resave blocked: status" "${out}" "Error creating new file.\nIdle\n")

# --- Refusals: exit 10 + N, the message on stderr, nothing on stdout before the checks ran --------
file(COPY_FILE "${demo}" "${WORK}/demo.txt")
foreach(command check dump csv resave)
  vcntool(10 ${command} demo.txt)
  expect_equal("${command} of a .txt file: stderr" "${err}" "Error[0] : Wrong File Format.\n")
  expect_equal("${command} of a .txt file: stdout" "${out}" "")
  vcntool(11 ${command} missing.vcn)
  expect_equal("${command} of a missing file: stderr" "${err}"
               "Error[1] : Couldn't open VORN channel file.\n")
endforeach()
if(EXISTS "${WORK}/NEW_demo.txt" OR EXISTS "${WORK}/NEW_missing.vcn")
  message(SEND_ERROR "a refused resave wrote a file")
endif()

file(WRITE "${WORK}/short.vcn" "not a channel file")
vcntool(12 check short.vcn)
expect_equal("a short file: stderr" "${err}" "Error[2] : Wrong file format, Not a VORN File!\n")

string(REPEAT "." 16 dots)
file(WRITE "${WORK}/kind.vcn" "VORAX_V_VN_ALL..${dots}TSL.${dots}${dots}")
vcntool(13 check kind.vcn)
expect_equal("a header of another kind: stderr" "${err}"
             "Error[3] : Wrong file format, Not a channel File!\n")

# The file checksum covers every byte from offset 64 to the end: the first and the last.
file(SIZE "${demo}" demo_size)
math(EXPR last_byte "${demo_size} - 1")
foreach(offset 64 ${last_byte})
  set(damaged "${WORK}/flipped_${offset}.vcn")
  file(COPY_FILE "${demo}" "${damaged}")
  flip_byte("${damaged}" ${offset})
  vcntool(14 check "${damaged}")
  expect_equal("byte ${offset} flipped: stderr" "${err}"
               "Error[4] : Wrong CRC, The file is corrupted!\n")
  expect_equal("byte ${offset} flipped: stdout" "${out}" "")
endforeach()
