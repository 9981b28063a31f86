# The two commands: run the panel, run every test. Each installs what is
# missing first.
.PHONY: run test bench fuzz soak dist clean

run:
	@scripts/run.sh

test:
	@scripts/test.sh

bench:
	@scripts/bench.sh

fuzz:
	@scripts/fuzz.sh

soak:
	@scripts/soak.sh

dist:
	@scripts/dist.sh

clean:
	rm -rf build
