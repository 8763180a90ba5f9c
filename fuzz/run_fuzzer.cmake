# Runs one fuzz target for RUNS inputs from a fresh copy of its seed corpus.
#   cmake -DFUZZER=<target> -DSEEDS=<seed folder> -DWORK=<scratch folder> -DRUNS=<n> -P run_fuzzer.cmake
# The outcome depends only on the number of inputs and the fixed seed, never on the time
# taken. A crash leaves its input in WORK as crash-<hash>, to replay with `<target> <file>`.

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus)
execute_process(
  COMMAND ${FUZZER} -runs=${RUNS} -seed=1 -max_len=4096 -print_final_stats=1
          -artifact_prefix=${WORK}/ ${WORK}/corpus ${SEEDS}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result}); the input that shows it is in ${WORK}")
endif()
