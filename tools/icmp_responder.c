/* placeholder until the echo fixture lands */
int main(void) { return 0; }
