# The release job's shape in a workflow file (the argument), which only a pushed
# tag would try: it needs every other job, runs for v* tags alone, and no other
# job, nor the workflow as a whole, may write. Exits with the problems found.
import re, sys, yaml

path = sys.argv[1]
workflow = yaml.safe_load(open(path, encoding="utf-8"))
jobs = workflow.get("jobs") or {}
release = jobs.pop("release", None) or {}
needs = release.get("needs", [])
needs = [needs] if isinstance(needs, str) else needs
# The whole condition, so that nothing widens it (|| ...) or runs the job after
# a failed one (always()).
condition = re.sub(r"^\$\{\{|\}\}$", "", re.sub(r"\s", "", str(release.get("if"))))
writes = lambda p: p == "write-all" or isinstance(p, dict) and "write" in p.values()
problems = ([] if release else [f"{path} has no release job."]) + [
    f"The release job does not need the {name} job." for name in jobs if name not in needs] + [
    f"The {name} job may write." for name, job in jobs.items() if writes(job.get("permissions"))]
if condition != "startsWith(github.ref,'refs/tags/v')":
    problems.append("The release job's if is not startsWith(github.ref, 'refs/tags/v').")
if "permissions" not in workflow or writes(workflow["permissions"]):
    problems.append("The workflow's own permissions are missing or may write.")
if problems:
    sys.exit(" ".join(problems))
