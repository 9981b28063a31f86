# The two commands: run the panel, run every test. Each installs what is
# missing first.
.PHONY: run test bench clean

run:
	@scripts/run.sh

test:
	@scripts/test.sh

bench:
	@scripts/bench.sh

clean:
	rm -rf build
